#include "players/LeadersFormat.h"

#include "core/Cp1251.h"
#include "core/TextFile.h"

namespace {
constexpr const char* kMagic = "[tavik_lidery]";
constexpr qsizetype kLinesPerEntry = 3;
}

QString scoreText(int32_t score)
{
    return (score < 0 ? QString() : QStringLiteral(" ")) + QString::number(score);
}

QByteArray ScrambleLine(const QString& text, const CharTable& table)
{
    return translated(toCp1251(text), table);
}

QByteArray leadersFileBytes(const LeaderBoard& board, int32_t seed)
{
    const CharTable table = scrambleTable(seed);
    QList<QByteArray> lines{kMagic, numberLine(seed)};
    for (const Leader& leader : board)
        lines << ScrambleLine(leader.Name, table) << ScrambleLine(leader.Photo, table)
              << ScrambleLine(scoreText(leader.Score), table);
    return joinLines(lines);
}

LeadersRead parseLeadersFile(const QList<QByteArray>& lines)
{
    LeadersRead read;
    if (lines.size() < 2 || lines[0] != kMagic)
        return read;
    const std::optional<int32_t> seed = parseNumber(lines[1]);
    if (!seed)
        return read;
    read.unscramble = inverted(scrambleTable(*seed));
    const auto plain = [&](qsizetype index) {
        return index < lines.size() ? translated(lines[index], read.unscramble) : QByteArray();
    };
    for (qsizetype i = 0; i < kBoardPlaces; ++i) {
        Leader& leader = read.board[i];
        const qsizetype first = 2 + kLinesPerEntry * i;
        leader.Name = fromCp1251(plain(first));
        leader.Photo = fromCp1251(plain(first + 1));
        leader.Score = parseNumber(plain(first + 2)).value_or(0);
    }
    return read;
}

LeadersRead readLeadersFile(const QString& path)
{
    const TextLines file = readTextLines(path);
    return file.status == OpenStatus::Ok ? parseLeadersFile(file.lines) : LeadersRead{};
}
