#pragma once
#include <cstdint>

#include "core/FieldGrid.h"

// How often a player who is still on a winning path could step off it: over a few random winning
// orders, the share of steps at which at least one joinable pair leaves a field that can no longer
// be cleared.
constexpr int kTrapOrders = 5;

struct TrapDensity {
    double share = 0;
    bool approximate = false;  // the solver left some position undecided
};
// The field must be clearable; the orders are drawn from a generator started at `seed`.
TrapDensity trapDensity(const FieldGrid& field, int32_t seed);
