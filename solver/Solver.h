#pragma once
#include <chrono>
#include <vector>

#include "core/FieldGrid.h"
#include "solver/Pictures.h"

// Decides exactly whether a field can be harvested to the last bed under the game's route rule.

struct SolverResult {
    Verdict verdict = Verdict::Undecided;
    std::vector<HarvestStep> order;    // a complete harvest when Harvestable
    std::vector<int> oddKinds;         // crop codes present an odd number of times: nothing can clear them
    std::vector<Picture> neverJoined;  // pictures that no order ever joins to one of their kind
    int pairs = 0;                     // pairs on the field
    int mostPairs = 0;                 // the most pairs any order reaches; exact when NotHarvestable
                                       // with no odd kind and no picture never joined
    std::vector<HarvestStep> longest;  // an order reaching mostPairs, when the field was searched
    long positions = 0;                // positions branched on or refuted
};

// The search starts over in a new order after `firstAllowance` positions, then after ever more;
// the default suits real fields, and a test passes 1 to make it start over all the time.
// `mostPositions`, when above 0, ends the search Undecided after that many positions: unlike a
// time limit, the same field then always gets the same answer.
constexpr long kFirstAllowance = 1000;
SolverResult solveField(const FieldGrid& field, std::chrono::steady_clock::duration allowed,
                        long firstAllowance = kFirstAllowance, long mostPositions = 0);
