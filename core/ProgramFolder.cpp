#include "core/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

void fillMissingFiles(const QString& source, const QString& target) {
    const QDir from(source);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = QDir(target).filePath(from.relativeFilePath(file));
        if (QFileInfo::exists(copy))
            continue;
        QDir().mkpath(QFileInfo(copy).path());
        QFile::copy(file, copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    for (const char* folder : {"Pole", "Photo"})
        QDir(target).mkpath(QString::fromLatin1(folder));
}

QString programFolder(const QString& executableFolder) {
    const QString installedData = QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/kelvary"));
    const bool portable = QFileInfo(executableFolder).isWritable() &&
                          (QDir(executableFolder).exists(QStringLiteral("Pole")) || !QDir(installedData).exists());
    if (portable)
        return executableFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    fillMissingFiles(installedData, userFolder);
    return userFolder;
}
