#pragma once
#include <cstdint>

#include "core/FieldGrid.h"
#include "solver/LookAhead.h"
#include "solver/LostOrders.h"
#include "solver/ModelPlayers.h"
#include "solver/Traps.h"

// How a person finds a field: the look-ahead it needs, how often a winning path passes a trap,
// how far back a failure's cause lies, and how fast random play loses.
constexpr int kMostGapTries = 10000;  // random orders drawn to find kGapOrders that fail
constexpr int kRiskOrders = 10000;

struct Gap {
    double median = 0;        // 0 when no random order fails
    int failing = 0;          // failing orders measured
    bool approximate = false;  // the solver left some position undecided, or the work ran out
};

struct Grade {
    LookAhead lookAhead;
    TrapDensity traps;
    Gap gap;
    double riskPerPair = 0;  // -ln(share of random orders that clear) / pairs
    bool riskIsBound = false;  // no random order cleared: the risk is at least the figure
    std::array<ModelFigures, kModelPlayers.size()> players;  // in the order of kModelPlayers
};

// Pairs harvested between the last position from which the field could still be cleared and the
// dead end, over random orders that fail; the median of those.
Gap gapBeforeDeadEnds(const FieldGrid& field, int32_t seed);
double riskPerPair(const FieldGrid& field, int32_t seed, bool* isBound);
// Every figure, each drawn from its own generator started at `seed`.
// The model players play `games` games each.
Grade gradeField(const FieldGrid& field, int32_t seed, int games = kModelGames);
