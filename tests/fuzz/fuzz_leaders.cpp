// Any bytes as a leaders file: the reader must never crash, and the board it read must survive
// being written under another seed and read again.
#include <cstdlib>

#include "core/TextFile.h"
#include "players/LeadersFormat.h"

namespace {
bool sameBoard(const LeaderBoard& a, const LeaderBoard& b) {
    for (int i = 0; i < kBoardPlaces; ++i)
        if (a[i].Name != b[i].Name || a[i].Photo != b[i].Photo || a[i].Score != b[i].Score)
            return false;
    return true;
}

LeaderBoard again(const LeaderBoard& board, int32_t seed) {
    return parseLeadersFile(splitLines(leadersFileBytes(board, seed))).board;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LeaderBoard read = parseLeadersFile(splitLines(bytes)).board;
    // A byte Windows-1251 leaves undefined reads as a substitute, so compare from the first rewrite on.
    const LeaderBoard once = again(read, 1);
    for (int i = 0; i < kBoardPlaces; ++i)
        if (once[i].Score != read[i].Score)
            std::abort();
    if (!sameBoard(once, again(once, 3200000)))
        std::abort();
    return 0;
}
