#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The game's small text files: one byte per character, lines ended by CR LF.

enum class OpenStatus { Ok, NotFound, Failed };
struct TextLines {
    OpenStatus status;
    QList<QByteArray> lines;  // without their line ends
};
// Accepts CR LF or bare LF and a last line without an end; refuses files too large to be the game's.
// Only a regular file is opened: a pipe or a device would block the game, a folder holds no lines.
TextLines readTextLines(const QString& path);
// The lines of a file's bytes, by the same rules.
QList<QByteArray> splitLines(const QByteArray& bytes);

// A number on its own line: a blank (or the minus sign) before the digits, a blank after.
QByteArray numberLine(int32_t n);
// Blanks around the number are ignored; nullopt unless it is a whole number within 32 bits.
std::optional<int32_t> parseNumber(QByteArrayView line);

// Protected: the folder or the file is read-only, or access is denied. Unreadable: the game's own
// reader would refuse the bytes, so they were not written.
enum class WriteStatus { Ok, Protected, Failed, Unreadable };
// The target is replaced only once everything is written; on failure the old file stays untouched.
// Only a regular file, or a new one, is written.
WriteStatus writeFileAtomically(const QString& path, const QByteArray& bytes);
// The game's own reader, given the lines of a file: true when it takes them.
using ReadsBack = std::function<bool(const QList<QByteArray>&)>;
// As writeFileAtomically, but bytes the reader would refuse are never committed.
WriteStatus writeCheckedFile(const QString& path, const QByteArray& bytes, const ReadsBack& readsBack);
QByteArray joinLines(const QList<QByteArray>& lines);
