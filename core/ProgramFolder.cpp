#include "core/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

#include "core/ShippedData.h"

namespace {
// The data the program ships: beside the executable in a program folder, else in the install tree.
QString shippedData(const QString& executableFolder) {
    if (QDir(executableFolder).exists(QStringLiteral("Pole")))
        return executableFolder;
    return QDir::cleanPath(QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/games/kelvary")));
}
}  // namespace

QString programFolder(const QString& executableFolder, bool writable) {
    const QString shipped = shippedData(executableFolder);
    if (writable && (shipped == executableFolder || !QDir(shipped).exists()))
        return executableFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home to write to, the game still runs on its installed data; only saving fails.
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return shipped;
    copyShippedData(shipped, userFolder);
    return userFolder;
}
