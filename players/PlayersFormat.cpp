#include "players/PlayersFormat.h"

#include <algorithm>

#include "core/Cp1251.h"
#include "core/TextFile.h"

namespace {
constexpr const char* kMagic = "[tavik_igroki]";
}

QByteArray playersFileBytes(const std::vector<Player>& players, int32_t playersLast)
{
    const QByteArray count = playersLast < 0 ? QByteArray("-1") : " " + QByteArray::number(playersLast);
    QList<QByteArray> lines{kMagic, count};
    for (int32_t i = 0; i <= playersLast; ++i)
        lines << toCp1251(players[i].Name) << toCp1251(players[i].Photo);
    lines << QByteArray();
    return joinLines(lines);
}

PlayersList parsePlayersFile(const QList<QByteArray>& lines)
{
    PlayersList list;
    if (lines.size() < 2 || lines[0] != kMagic)
        return list;
    const std::optional<int32_t> last = parseNumber(lines[1]);
    if (!last || *last < 0)
        return list;
    // A damaged count must neither read past the end nor fill memory with empty players. When it
    // claims more players than there are lines, blank lines at the end are the file's last line
    // break, not players.
    const qsizetype wanted = qsizetype(*last) + 1;
    qsizetype end = lines.size();
    if ((end - 2 + 1) / 2 < wanted)
        while (end > 2 && lines[end - 1].isEmpty())
            --end;
    const qsizetype count = std::min<qsizetype>(wanted, (end - 2 + 1) / 2);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype nameLine = 2 + 2 * i;
        const QByteArray photo = nameLine + 1 < lines.size() ? lines[nameLine + 1] : QByteArray();
        list.Players.push_back({fromCp1251(photo), fromCp1251(lines[nameLine])});
    }
    list.PlayersLast = int32_t(count) - 1;
    return list;
}

PlayersList readPlayersFile(const QString& path)
{
    const TextLines file = readTextLines(path);
    return file.status == OpenStatus::Ok ? parsePlayersFile(file.lines) : PlayersList{};
}
