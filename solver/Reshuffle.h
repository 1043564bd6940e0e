#pragma once
#include <chrono>
#include <cstdint>
#include <functional>

#include "core/FieldGrid.h"

// Dealing the crops left on a field again over the beds they stand on: fences and empty beds stay,
// and every kind keeps its count.

// Some deal would leave a pair the robot can join; false when the crops are walled in for good.
bool someDealHasAPair(const FieldGrid& grid);

struct ReshuffleTime {
    std::chrono::steady_clock::duration allowed;  // for the whole search
    std::chrono::steady_clock::duration slice;    // for one deal, after which `between` runs
    std::function<void()> between;                // lets the window answer in the meantime
};

// A deal the solver proves can be cleared; when none is found in time, a deal with a joinable
// pair. The same seed gives the same deal. Only for a grid of which someDealHasAPair holds.
FieldGrid reshuffleCrops(const FieldGrid& grid, uint32_t seed, const ReshuffleTime& time);
