#include "solver/LookAhead.h"

#include <algorithm>
#include <vector>

#include "core/Rnd.h"
#include "solver/HarvestPosition.h"
#include "solver/ShortestPair.h"
#include "solver/Reach.h"

namespace {
// Enough for every bundled field in a few seconds; deeper searches are cut off and flagged.
constexpr long kMostReachPositions = 2000000;

// The careful player's choice among the joinable pairs; none is empty.
BedPairNumbers carefulChoice(const HarvestPosition& position, const std::vector<BedPairNumbers>& joinable,
                             int pairs, Reach& reach, Rnd& generator) {
    std::vector<BedPairNumbers> safe;
    for (const BedPairNumbers& pair : joinable)
        if (!reach.stuckWithin(position.after(pair), pairs))
            safe.push_back(pair);
    if (safe.empty())
        safe = joinable;
    const auto lastTwo = [&](const BedPairNumbers& pair) { return position.leftOfKind(position.kindAt(pair.first)) == 2; };
    if (std::any_of(safe.begin(), safe.end(), lastTwo))
        std::erase_if(safe, [&](const BedPairNumbers& pair) { return !lastTwo(pair); });
    return shortestOf(position, safe, generator);
}

bool plays(const FieldGrid& field, int pairs, Reach& reach, Rnd& generator) {
    for (HarvestPosition position(field); !position.cleared();) {
        const std::vector<BedPairNumbers> joinable = position.joinable();
        if (joinable.empty())
            return false;
        position.harvest(carefulChoice(position, joinable, pairs, reach, generator));
    }
    return true;
}
}  // namespace

LookAhead lookAheadNeeded(const FieldGrid& field, int32_t seed) {
    LookAhead result;
    // What a position reaches does not depend on who asks, so every k shares one memory.
    Reach reach(kMostReachPositions);
    for (int pairs = 0; pairs <= kMostLookAhead; ++pairs) {
        Rnd generator;
        generator.restart(seed);
        int cleared = 0;
        for (int order = 0; order < kLookAheadOrders; ++order)
            cleared += plays(field, pairs, reach, generator) ? 1 : 0;
        if (2 * cleared >= kLookAheadOrders) {
            result.needed = pairs;
            break;
        }
    }
    result.approximate = reach.approximate();
    return result;
}
