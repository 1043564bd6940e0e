#pragma once
#include <climits>
#include <unordered_map>

#include "solver/HarvestPosition.h"

// How far a position still reaches: whether every way on from it meets a dead end within so many
// pairs. Answers are remembered, so one Reach serves a whole game and every look-ahead depth.
class Reach {
public:
    // `mostPositions` bounds the work of all questions together; past it, positions not yet
    // settled count as reaching on, and approximate() says so.
    explicit Reach(long mostPositions) : mostPositions_(mostPositions) {}

    // Every continuation meets a dead end (pictures left, no pair joinable) within `pairs` pairs.
    bool stuckWithin(const HarvestPosition& position, int pairs);
    bool approximate() const { return positions_ >= mostPositions_; }

private:
    struct Known {
        int reachesOn = -1;          // the most pairs known to be survivable
        int stuckWithin = INT_MAX;  // the fewest pairs within which it is known to be stuck
    };
    std::unordered_map<PictureSet, Known, PictureSet::Hash> known_;
    long mostPositions_;
    long positions_ = 0;
};
