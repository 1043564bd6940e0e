#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "core/DurableWrite.h"

namespace {
// The game's files are tiny; anything bigger is not one of them and must not fill memory.
constexpr qint64 kMaxTextFileSize = 1 << 20;

// Qt reports one kind of error whatever stopped the write, so look at what the write needed.
WriteStatus writeFailure(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const bool isProtected = (file.exists() && !file.isWritable()) || (folder.isDir() && !folder.isWritable());
    return isProtected ? WriteStatus::Protected : WriteStatus::Failed;
}
}

TextLines readTextLines(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {OpenStatus::NotFound, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {OpenStatus::Failed, {}};
    // Read one byte past the limit rather than trust size(), which knows nothing of pipes and devices.
    const QByteArray bytes = file.read(kMaxTextFileSize + 1);
    if (bytes.size() > kMaxTextFileSize || file.error() != QFileDevice::NoError)
        return {OpenStatus::Failed, {}};
    return {OpenStatus::Ok, splitLines(bytes)};
}

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    const QByteArray tail = lines.takeLast();  // what follows the last LF
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!tail.isEmpty())
        lines.append(tail);
    return lines;
}

QByteArray numberLine(int32_t n)
{
    return (n < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(n) + ' ';
}

std::optional<int32_t> parseNumber(QByteArrayView line)
{
    bool ok = false;
    const int32_t value = line.toInt(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

WriteStatus writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return WriteStatus::Failed;
    if (target.exists() && !target.isWritable())
        return WriteStatus::Protected;
    return replaceDurably(path, bytes) ? WriteStatus::Ok : writeFailure(path);
}

WriteStatus writeCheckedFile(const QString& path, const QByteArray& bytes, const ReadsBack& readsBack)
{
    return readsBack(splitLines(bytes)) ? writeFileAtomically(path, bytes) : WriteStatus::Unreadable;
}

QByteArray joinLines(const QList<QByteArray>& lines)
{
    QByteArray result;
    for (const QByteArray& line : lines)
        result += line + "\r\n";
    return result;
}
