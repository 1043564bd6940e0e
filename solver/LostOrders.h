#pragma once
#include <functional>
#include <vector>

#include "solver/HarvestPosition.h"

// Orders played to their end, and how far back the lost ones went wrong.
constexpr int kGapOrders = 200;  // lost orders whose gap is measured
// The solver's work on all of them together; past it the median is over the orders measured.
constexpr long kMostGapPositions = 1000000;

// A player's pick among the joinable pairs, none empty.
using PairChoice = std::function<BedPairNumbers(const HarvestPosition&, const std::vector<BedPairNumbers>&)>;

// The positions of an order from the start until the field is cleared or no pair is joinable.
std::vector<HarvestPosition> playedOrder(const FieldGrid& field, const PairChoice& choose);

// The gaps of lost orders: the pairs harvested from the fatal pair, which left the last position
// from which the field could still be cleared, to the dead end. An undecided position counts as
// clearable and makes the figures approximate.
class GapTally {
public:
    // Whether another lost order is still measured: not once kGapOrders are, nor once the work ran
    // out, which makes the median approximate.
    bool wantsMore();
    void add(const std::vector<HarvestPosition>& lostOrder);

    int measured() const { return int(gaps_.size()); }
    double median() const;  // 0 when none was measured
    bool approximate() const { return approximate_; }

private:
    std::vector<int> gaps_;
    long work_ = 0;
    bool approximate_ = false;
};
