#include "solver/Reach.h"

#include <vector>

namespace {
// Pairs joinable now that share no picture: harvesting one never closes the route of another, so
// the position survives at least this many pairs.
int disjointPairs(const std::vector<BedPairNumbers>& joinable) {
    PictureSet used;
    int count = 0;
    for (const BedPairNumbers& pair : joinable)
        if (!used.test(pair.first) && !used.test(pair.second)) {
            used.set(pair.first);
            used.set(pair.second);
            ++count;
        }
    return count;
}
}  // namespace

bool Reach::stuckWithin(const HarvestPosition& position, int pairs) {
    if (position.cleared())
        return false;
    const Known before = known_[position.left()];
    if (pairs <= before.reachesOn)
        return false;
    if (pairs >= before.stuckWithin)
        return true;
    const std::vector<BedPairNumbers> joinable = position.joinable();
    bool stuck = joinable.empty();
    if (!stuck && pairs > 0 && disjointPairs(joinable) <= pairs && positions_ < mostPositions_) {
        ++positions_;
        stuck = true;
        for (const BedPairNumbers& pair : joinable) {
            if (!stuckWithin(position.after(pair), pairs - 1)) {
                stuck = false;
                break;
            }
        }
    }
    Known& known = known_[position.left()];
    if (stuck)
        known.stuckWithin = std::min(known.stuckWithin, pairs);
    else if (positions_ < mostPositions_)
        known.reachesOn = std::max(known.reachesOn, pairs);
    return stuck;
}
