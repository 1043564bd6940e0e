#include "solver/Grading.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Rnd.h"
#include "solver/Clearable.h"
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

double median(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
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
        // Clearable only ever turns into not clearable along an order, and the dead end is near:
        // walking back from it asks the solver about the smallest positions first.
        int last = int(positions.size()) - 1;
        int back = last - 1;
        for (; back > 0; --back) {
            const Clearable answer = clearable(positions[size_t(back)]);
            work += answer.positions;
            const Verdict verdict = answer.verdict;
            gap.approximate = gap.approximate || verdict == Verdict::Undecided;
            if (verdict != Verdict::NotHarvestable)
                break;
        }
        gaps.push_back(last - back);
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

Grade gradeField(const FieldGrid& field, int32_t seed) {
    Grade grade;
    grade.lookAhead = lookAheadNeeded(field, seed);
    grade.traps = trapDensity(field, seed);
    grade.gap = gapBeforeDeadEnds(field, seed);
    grade.riskPerPair = riskPerPair(field, seed, &grade.riskIsBound);
    return grade;
}
