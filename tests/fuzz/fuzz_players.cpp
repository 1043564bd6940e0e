// Any bytes as a players file: the reader must never crash or invent players beyond the lines, and
// what it read must survive being written and read again.
#include <cstdlib>

#include "core/TextFile.h"
#include "players/PlayersFormat.h"

namespace {
bool samePlayers(const PlayersList& a, const PlayersList& b) {
    if (a.PlayersLast != b.PlayersLast)
        return false;
    for (int32_t i = 0; i <= a.PlayersLast; ++i)
        if (a.Players[i].Name != b.Players[i].Name || a.Players[i].Photo != b.Players[i].Photo)
            return false;
    return true;
}

PlayersList again(const PlayersList& list) {
    return parsePlayersFile(splitLines(playersFileBytes(list.Players, list.PlayersLast)));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> lines = splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const PlayersList read = parsePlayersFile(lines);
    if (read.PlayersLast < -1 || qsizetype(read.PlayersLast) + 1 > lines.size() ||
        qsizetype(read.Players.size()) != qsizetype(read.PlayersLast) + 1)
        std::abort();
    // A byte Windows-1251 leaves undefined reads as a substitute, so compare from the first rewrite on.
    const PlayersList once = again(read);
    if (once.PlayersLast != read.PlayersLast || !samePlayers(once, again(once)))
        std::abort();
    return 0;
}
