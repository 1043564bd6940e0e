#include "core/ShippedData.h"

#include <algorithm>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
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

QByteArray checksumOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result().toHex();
}

// Lines "checksum path", as sha1sum writes them, or a bare path from a version that kept no
// checksums: path -> every checksum named for it.
using Checksums = QHash<QString, QSet<QByteArray>>;
constexpr qsizetype kHexLength = 40;
Checksums readChecksums(const QString& path) {
    Checksums checksums;
    for (const QByteArray& line : readTextLines(path).lines) {
        const bool hasSum = line.size() > kHexLength + 1 && line[kHexLength] == ' ' &&
                            QByteArray::fromHex(line.left(kHexLength)).size() == kHexLength / 2;
        if (!hasSum) {
            checksums[QString::fromUtf8(line)];
            continue;
        }
        // sha1sum marks binary reading with a '*' before the path.
        QByteArray file = line.mid(kHexLength + 1);
        if (file.startsWith(' ') || file.startsWith('*'))
            file.remove(0, 1);
        checksums[QString::fromUtf8(file)].insert(line.left(kHexLength).toLower());
    }
    return checksums;
}

// A bundled field or photo the player never changed: its checksum is still that of the copy made,
// or of the file an earlier version shipped under that name. The players, leaders and settings
// taken from a program folder are the player's own from then on.
bool unchangedBundledCopy(const QDir& to, const QString& file, const Checksums& record, const Checksums& shippedBefore) {
    if (!file.contains(QLatin1Char('/')) || !QFileInfo(to.filePath(file)).isFile())
        return false;
    const QByteArray sum = checksumOf(to.filePath(file));
    return record.value(file).contains(sum) || shippedBefore.value(file).contains(sum);
}

// A bundled copy that no version ships any more goes, unless the player changed it.
void removeCopiesNoLongerShipped(const QDir& to, const Checksums& record, const Checksums& shippedBefore,
                                 const QSet<QString>& shippedNow) {
    QSet<QString> candidates(record.keyBegin(), record.keyEnd());
    candidates.unite(QSet<QString>(shippedBefore.keyBegin(), shippedBefore.keyEnd()));
    for (const QString& file : candidates)
        if (!shippedNow.contains(file) && unchangedBundledCopy(to, file, record, shippedBefore))
            QFile::remove(to.filePath(file));
}
}  // namespace

void copyShippedData(const QString& shipped, const QString& userFolder) {
    const QDir from(shipped), to(userFolder);
    for (const QString& file : programFiles(from))
        if (!sameContent(from.filePath(file), to.filePath(file)))
            copyFile(from.filePath(file), to.filePath(file));

    const QString recordPath = to.filePath(QLatin1String(kCopiedRecord));
    Checksums record = readChecksums(recordPath);
    const QStringList shippedFiles = playersFiles(from);
    const QSet<QString> shippedNow(shippedFiles.cbegin(), shippedFiles.cend());
    const Checksums shippedBefore = readChecksums(from.filePath(QLatin1String(kShippedBefore)));
    removeCopiesNoLongerShipped(to, record, shippedBefore, shippedNow);
    bool changed = false;
    for (const QString& file : shippedNow) {
        const QString copy = to.filePath(file);
        const QByteArray shippedSum = checksumOf(from.filePath(file));
        // A copy the player never changed follows the field or photo a newer version ships under
        // its name, so that the campaign after an upgrade is the new one.
        if (record.contains(file) && !record.value(file).contains(shippedSum) &&
            unchangedBundledCopy(to, file, record, shippedBefore) && copyFile(from.filePath(file), copy)) {
            record[file] = {shippedSum};
            changed = true;
            continue;
        }
        // Recorded: copied once, and whatever the player did to it since stands. A file already
        // there unrecorded is the player's own. Either is remembered with the checksum of the
        // shipped file, so that it goes unchanged when no longer shipped, and stays if changed.
        if (record.contains(file) && !record.value(file).isEmpty())
            continue;
        if (record.contains(file) || QFileInfo::exists(copy) || copyFile(from.filePath(file), copy)) {
            record[file] = {shippedSum};
            changed = true;
        }
    }
    // Only what is shipped now is worth remembering; the rest has been dealt with above.
    for (auto it = record.begin(); it != record.end();)
        if (shippedNow.contains(it.key())) {
            ++it;
        } else {
            it = record.erase(it);
            changed = true;
        }
    if (changed) {
        QList<QByteArray> lines;
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            lines << *it->cbegin() + ' ' + it.key().toUtf8();
        std::sort(lines.begin(), lines.end());
        writeFileAtomically(recordPath, joinLines(lines));
    }
    for (QLatin1String folder : kPlayersFolders)
        to.mkpath(folder);
}
