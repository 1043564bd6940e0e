#include "solver/Reshuffle.h"

#include <algorithm>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "play/Route.h"
#include "solver/Pictures.h"
#include "solver/Solver.h"

namespace {
using Clock = std::chrono::steady_clock;

// Two crop beds a route joins whatever stands on them, in row-major order.
std::optional<std::pair<size_t, size_t>> bedsARouteJoins(const std::vector<Picture>& pictures,
                                                         const FieldGrid& grid) {
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j)
            if (joinable(grid, pictures[i], pictures[j]))
                return std::pair{i, j};
    return std::nullopt;
}

std::vector<int> kindsOf(const std::vector<Picture>& pictures) {
    std::vector<int> kinds;
    for (const Picture& p : pictures)
        kinds.push_back(p.kind);
    return kinds;
}

FieldGrid dealt(FieldGrid grid, const std::vector<Picture>& beds, const std::vector<int>& kinds) {
    for (size_t i = 0; i < beds.size(); ++i)
        grid(beds[i].col, beds[i].row) = kinds[i];
    return grid;
}

// Puts two pictures of one kind on the two beds; the rest of the deal only trades places with them.
void pairUp(std::vector<int>& kinds, size_t first, size_t second) {
    std::vector<int> sorted = kinds;
    std::sort(sorted.begin(), sorted.end());
    const int twin = *std::adjacent_find(sorted.begin(), sorted.end());
    std::swap(kinds[first], *std::find(kinds.begin(), kinds.end(), twin));
    for (size_t i = 0; i < kinds.size(); ++i)
        if (i != first && kinds[i] == twin) {
            std::swap(kinds[second], kinds[i]);
            return;
        }
}
}  // namespace

bool someDealHasAPair(const FieldGrid& grid) {
    const std::vector<Picture> pictures = picturesOf(grid);
    std::vector<int> kinds = kindsOf(pictures);
    std::sort(kinds.begin(), kinds.end());
    return std::adjacent_find(kinds.begin(), kinds.end()) != kinds.end() && bedsARouteJoins(pictures, grid);
}

FieldGrid reshuffleCrops(const FieldGrid& grid, uint32_t seed, const ReshuffleTime& time) {
    const Clock::time_point end = Clock::now() + time.allowed;
    const std::vector<Picture> beds = picturesOf(grid);
    std::vector<int> kinds = kindsOf(beds);
    std::mt19937 random(seed);
    std::optional<FieldGrid> withAPair;
    do {
        std::shuffle(kinds.begin(), kinds.end(), random);
        const FieldGrid deal = dealt(grid, beds, kinds);
        if (solveField(deal, std::min(time.slice, end - Clock::now())).verdict == Verdict::Harvestable)
            return deal;
        if (!withAPair && firstJoinablePair(deal))
            withAPair = deal;
        time.between();
    } while (Clock::now() < end);
    if (withAPair)
        return *withAPair;
    const auto [first, second] = *bedsARouteJoins(beds, grid);
    pairUp(kinds, first, second);
    return dealt(grid, beds, kinds);
}
