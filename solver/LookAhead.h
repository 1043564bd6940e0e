#pragma once
#include <cstdint>

#include "core/FieldGrid.h"

// The look-ahead a careful player needs on a field. Such a player, looking k pairs ahead, never
// takes a pair after which every way on meets a dead end within k further pairs (unless every
// pair is such). Among the pairs left it prefers a kind with exactly two pictures left, then the
// shortest route, and breaks ties at random.
constexpr int kMostLookAhead = 8;
constexpr int kLookAheadOrders = 20;

struct LookAhead {
    int needed = kMostLookAhead + 1;  // the smallest k that clears at least half the orders
    bool approximate = false;          // a look-ahead search ran out of its bound
};

// Orders for every k are drawn from a generator started at `seed`.
LookAhead lookAheadNeeded(const FieldGrid& field, int32_t seed);
