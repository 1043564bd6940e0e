#include "solver/Grading.h"

#include <cmath>
#include <vector>

#include "core/Rnd.h"
#include "solver/LostOrders.h"
#include "solver/Rating.h"

Gap gapBeforeDeadEnds(const FieldGrid& field, int32_t seed) {
    Rnd generator;
    generator.restart(seed);
    const PairChoice random = [&](const HarvestPosition&, const std::vector<BedPairNumbers>& joinable) {
        return joinable[size_t(generator.below(int32_t(joinable.size())))];
    };
    GapTally tally;
    for (int tries = 0; tries < kMostGapTries && tally.wantsMore(); ++tries) {
        const std::vector<HarvestPosition> positions = playedOrder(field, random);
        if (!positions.back().cleared())
            tally.add(positions);
    }
    return {tally.median(), tally.measured(), tally.approximate()};
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
