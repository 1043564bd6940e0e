#include "solver/LostOrders.h"

#include <algorithm>

#include "solver/Clearable.h"

std::vector<HarvestPosition> playedOrder(const FieldGrid& field, const PairChoice& choose) {
    std::vector<HarvestPosition> positions{HarvestPosition(field)};
    for (;;) {
        const std::vector<BedPairNumbers> joinable = positions.back().joinable();
        if (joinable.empty())
            return positions;
        positions.push_back(positions.back().after(choose(positions.back(), joinable)));
    }
}

bool GapTally::wantsMore() {
    if (measured() >= kGapOrders)
        return false;
    if (work_ < kMostGapPositions)
        return true;
    approximate_ = true;
    return false;
}

void GapTally::add(const std::vector<HarvestPosition>& lostOrder) {
    // Clearable only ever turns into not clearable along an order, and the dead end is near:
    // walking back from it asks the solver about the smallest positions first.
    const int last = int(lostOrder.size()) - 1;
    int back = last - 1;
    for (; back > 0; --back) {
        const Clearable answer = clearable(lostOrder[size_t(back)]);
        work_ += answer.positions;
        approximate_ = approximate_ || answer.verdict == Verdict::Undecided;
        if (answer.verdict != Verdict::NotHarvestable)
            break;
    }
    gaps_.push_back(last - back);
}

double GapTally::median() const {
    if (gaps_.empty())
        return 0;
    std::vector<int> values = gaps_;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}
