#pragma once
#include <functional>
#include <vector>

#include "core/Rnd.h"
#include "solver/HarvestPosition.h"

// How a person picks among joinable pairs: by the robot's route, the shortest first.

// The robot's route between the pair on `grid`, counted in its points; 0 when none joins them.
int routeLength(const FieldGrid& grid, const BedPairNumbers& pair);

// Among the pairs, none empty, the shortest route that `allowed` lets through, asked from the
// shortest on so that a costly question is asked only when needed; ties are drawn at random, in
// the order the pairs are given. When it lets none through, the shortest of all.
BedPairNumbers shortestAllowed(const HarvestPosition& position, const std::vector<BedPairNumbers>& pairs,
                               const std::function<bool(const BedPairNumbers&)>& allowed, Rnd& generator);
BedPairNumbers shortestOf(const HarvestPosition& position, const std::vector<BedPairNumbers>& pairs, Rnd& generator);
