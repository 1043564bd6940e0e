#pragma once
#include <vector>

#include "solver/HarvestPosition.h"

// How many pairs a lost order harvested after its fatal pair: the order runs from the start to a
// dead end, and the fatal pair left the last position from which the field could still be
// cleared. Adds the solver's work to `work`; an undecided position counts as clearable and sets
// `approximate`.
int pairsAfterFatalPair(const std::vector<HarvestPosition>& positions, long& work, bool& approximate);

double median(std::vector<int> values);  // of a list that is not empty
