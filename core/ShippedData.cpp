#include "core/ShippedData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "core/TextFile.h"

namespace {
const QLatin1String kPlayersFolders[] = {QLatin1String("Pole"), QLatin1String("Photo")};

// Paths relative to the shipped folder. Only the data is taken: a program folder also holds the
// executables and whatever files of its own players it had.
QStringList filesUnder(const QDir& shipped, QLatin1String folder) {
    QStringList files;
    QDirIterator it(shipped.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << shipped.relativeFilePath(it.next());
    files.sort();
    return files;
}

// The people, records and settings of a read-only program folder go with its player too.
QStringList playersFiles(const QDir& shipped) {
    QStringList files;
    for (QLatin1String folder : kPlayersFolders)
        files << filesUnder(shipped, folder);
    for (const char* file : {"Igroki.ini", "Lidery.ini", "Tavik.ini"})
        if (QFileInfo(shipped.filePath(QLatin1String(file))).isFile())
            files << QLatin1String(file);
    return files;
}

QStringList programFiles(const QDir& shipped) {
    QStringList files = filesUnder(shipped, QLatin1String("help"));
    for (const char* file : {"Help.htm", "Avariya.mp3"})
        if (QFileInfo(shipped.filePath(QLatin1String(file))).isFile())
            files << QLatin1String(file);
    return files;
}

bool sameContent(const QString& a, const QString& b) {
    QFile first(a), second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}

bool copyFile(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return false;
    // Shipped files may be read-only; the player's copies must not be.
    return QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

QSet<QString> readRecord(const QString& path) {
    QSet<QString> record;
    for (const QByteArray& line : readTextLines(path).lines)
        record.insert(QString::fromUtf8(line));
    return record;
}
}  // namespace

void copyShippedData(const QString& shipped, const QString& userFolder) {
    const QDir from(shipped), to(userFolder);
    for (const QString& file : programFiles(from))
        if (!sameContent(from.filePath(file), to.filePath(file)))
            copyFile(from.filePath(file), to.filePath(file));

    const QString recordPath = to.filePath(QLatin1String(kCopiedRecord));
    const QSet<QString> record = readRecord(recordPath);
    QList<QByteArray> added;
    for (const QString& file : playersFiles(from)) {
        if (record.contains(file))
            continue;
        const QString copy = to.filePath(file);
        if (QFileInfo::exists(copy) || copyFile(from.filePath(file), copy))
            added << file.toUtf8();
    }
    if (!added.isEmpty()) {
        QFile out(recordPath);
        if (out.open(QIODevice::Append))
            out.write(joinLines(added));
    }
    for (QLatin1String folder : kPlayersFolders)
        to.mkpath(folder);
}
