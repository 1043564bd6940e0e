#pragma once
#include <cstdint>
#include <vector>

#include "core/FieldGrid.h"

// How forgiving a field is to a player who harvests whatever pair catches the eye: random harvest
// orders, each played until the field is empty or no pair can be joined.

struct Rating {
    int pairs = 0;                // pairs on the field
    int orders = 0;               // orders played
    std::vector<int> endedAfter;  // endedAfter[k]: orders that stopped with k pairs harvested, k = 0..pairs

    // The share of orders that emptied the field, 0 to 1.
    double share() const;
    // Orders that met a dead end, and the mean number of pairs they harvested before it.
    int deadEnds() const;
    double meanPairsBeforeDeadEnd() const;
    // The fewest pairs harvested after which at least one order in ten still playing is stuck;
    // -1 when no step is that dangerous.
    int deadEndsLikelyAfter() const;
};

// `orders` random orders drawn from one generator started at `seed`. At each step an order takes
// a pair uniformly among all pairs joinable at that moment, drawing Rnd::below(count) from the list
// in the order of the game's joinablePairs; so a plain player built on that list plays the same
// orders from the same seed.
Rating rateField(const FieldGrid& field, int orders, int32_t seed);
