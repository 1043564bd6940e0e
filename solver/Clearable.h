#pragma once
#include <vector>

#include "solver/HarvestPosition.h"
#include "solver/Pictures.h"

// The solver's word on a position within a fixed number of positions searched, so that grading
// a field takes seconds and gives the same figures every time.
constexpr long kMostSolverPositions = 25000;

struct Clearable {
    Verdict verdict = Verdict::Undecided;
    std::vector<BedPairNumbers> order;  // a complete harvest when Harvestable
    long positions = 0;                 // the search's work
};
Clearable clearable(const HarvestPosition& position);
