#include "solver/Grading.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Rnd.h"
#include "solver/FatalPair.h"
#include "solver/Rating.h"

namespace {
// A random order's positions, from the start to its dead end; empty when it clears the field.
std::vector<HarvestPosition> failingOrder(const FieldGrid& field, Rnd& generator) {
    std::vector<HarvestPosition> positions{HarvestPosition(field)};
    for (;;) {
        const std::vector<BedPairNumbers> joinable = positions.back().joinable();
        if (joinable.empty())
            break;
        HarvestPosition next = positions.back();
        next.harvest(joinable[size_t(generator.below(int32_t(joinable.size())))]);
        positions.push_back(std::move(next));
    }
    if (positions.back().cleared())
        positions.clear();
    return positions;
}
}  // namespace

Gap gapBeforeDeadEnds(const FieldGrid& field, int32_t seed) {
    Rnd generator;
    generator.restart(seed);
    Gap gap;
    std::vector<int> gaps;
    long work = 0;
    for (int tries = 0; tries < kMostGapTries && int(gaps.size()) < kGapOrders; ++tries) {
        if (work >= kMostGapPositions) {
            gap.approximate = true;
            break;
        }
        const std::vector<HarvestPosition> positions = failingOrder(field, generator);
        if (positions.empty())
            continue;
        gaps.push_back(pairsAfterFatalPair(positions, work, gap.approximate));
    }
    gap.failing = int(gaps.size());
    gap.median = gaps.empty() ? 0.0 : median(gaps);
    return gap;
}

double riskPerPair(const FieldGrid& field, int32_t seed, bool* isBound) {
    const Rating rating = rateField(field, kRiskOrders, seed);
    *isBound = rating.share() == 0;
    // With no order clearing, the share is below one in kRiskOrders.
    const double share = *isBound ? 1.0 / kRiskOrders : rating.share();
    return rating.pairs == 0 ? 0.0 : -std::log(share) / rating.pairs;
}

Grade gradeField(const FieldGrid& field, int32_t seed, int games) {
    Grade grade;
    grade.lookAhead = lookAheadNeeded(field, seed);
    grade.traps = trapDensity(field, seed);
    grade.gap = gapBeforeDeadEnds(field, seed);
    grade.riskPerPair = riskPerPair(field, seed, &grade.riskIsBound);
    for (size_t i = 0; i < kModelPlayers.size(); ++i)
        grade.players[i] = playModelGames(field, kModelPlayers[i], games, seed);
    return grade;
}
