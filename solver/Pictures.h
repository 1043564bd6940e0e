#pragma once
#include <chrono>
#include <vector>

#include "core/FieldGrid.h"

// The crops of a field as the searches see them: a numbered list, and what may be harvested.

struct Picture {
    int col = 0;
    int row = 0;
    int kind = 0;  // the crop code 2..33
};

// Every crop in row-major order; fences and empty beds are not pictures.
std::vector<Picture> picturesOf(const FieldGrid& grid);

// A route leaves a picture through a free bed beside it, unless its partner is that neighbour.
bool hasFreeNeighbour(const FieldGrid& grid, const Picture& p);
bool neighbours(const Picture& a, const Picture& b);

// The robot can drive from one to the other by the game's own route rule.
bool joinable(const FieldGrid& grid, const Picture& a, const Picture& b);

// One harvested pair, as the robot's two cells.
struct HarvestStep {
    int fromCol = 0;
    int fromRow = 0;
    int toCol = 0;
    int toRow = 0;
};
HarvestStep stepBetween(const Picture& a, const Picture& b);

enum class Verdict { Harvestable, NotHarvestable, Undecided };

// A time limit that a search asks about often; the clock is read only every so many questions.
class Deadline {
public:
    explicit Deadline(std::chrono::steady_clock::duration allowed)
        : end_(std::chrono::steady_clock::now() + allowed) {}
    bool passed() {
        if (passed_ || ++asked_ % 64 != 0)
            return passed_;
        passed_ = std::chrono::steady_clock::now() >= end_;
        return passed_;
    }

private:
    std::chrono::steady_clock::time_point end_;
    unsigned asked_ = 0;
    bool passed_ = false;
};

// Plays the order on the field, each step through the game's own route search: true when every
// step joins two equal pictures and the field ends up without a crop.
bool replaysToEmpty(FieldGrid grid, const std::vector<HarvestStep>& order);
