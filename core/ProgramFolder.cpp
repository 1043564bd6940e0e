#include "core/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
bool belongsToPlayer(const QString& relativePath) {
    return relativePath.startsWith(QLatin1String("Pole/")) || relativePath.startsWith(QLatin1String("Photo/"));
}

bool sameContent(const QString& a, const QString& b) {
    QFile first(a), second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}

void copyFile(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    QFile::copy(from, to);
    // Installed files are read-only; the player's copies must not be.
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}
}  // namespace

void copyInstalledData(const QString& installed, const QString& userFolder) {
    const QDir from(installed);
    QDirIterator it(installed, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = from.relativeFilePath(file);
        const QString copy = QDir(userFolder).filePath(relative);
        const bool present = QFileInfo(copy).isFile();
        if (present && (belongsToPlayer(relative) || sameContent(file, copy)))
            continue;
        copyFile(file, copy);
    }
    for (const char* folder : {"Pole", "Photo"})
        QDir(userFolder).mkpath(QString::fromLatin1(folder));
}

QString programFolder(const QString& executableFolder) {
    const QString installedData =
        QDir::cleanPath(QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/kelvary")));
    const bool portable = QFileInfo(executableFolder).isWritable() &&
                          (QDir(executableFolder).exists(QStringLiteral("Pole")) || !QDir(installedData).exists());
    if (portable)
        return executableFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home to write to, the game still runs on its installed data; only saving fails.
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return installedData;
    copyInstalledData(installedData, userFolder);
    return userFolder;
}
