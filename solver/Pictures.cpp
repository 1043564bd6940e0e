#include "solver/Pictures.h"

#include <cstdlib>

#include "play/Route.h"

std::vector<Picture> picturesOf(const FieldGrid& grid) {
    std::vector<Picture> pictures;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid(col, row) >= kFirstCrop)
                pictures.push_back({col, row, grid(col, row)});
    return pictures;
}

bool hasFreeNeighbour(const FieldGrid& grid, const Picture& p) {
    constexpr int kSteps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (const auto& [dc, dr] : kSteps)
        if (insideGrid(p.col + dc, p.row + dr) && grid(p.col + dc, p.row + dr) == kEmpty)
            return true;
    return false;
}

bool neighbours(const Picture& a, const Picture& b) { return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1; }

bool joinable(const FieldGrid& grid, const Picture& a, const Picture& b) {
    // A route leaves one picture and enters the other through a free bed unless they touch; most
    // pairs on a crowded field fail this at once, before the full route search.
    if (!neighbours(a, b) && !(hasFreeNeighbour(grid, a) && hasFreeNeighbour(grid, b)))
        return false;
    return !routeBetween(grid, a.col, a.row, b.col, b.row).empty();
}

HarvestStep stepBetween(const Picture& a, const Picture& b) { return {a.col, a.row, b.col, b.row}; }

bool replaysToEmpty(FieldGrid grid, const std::vector<HarvestStep>& order) {
    for (const HarvestStep& step : order) {
        if (!insideGrid(step.fromCol, step.fromRow) || !insideGrid(step.toCol, step.toRow))
            return false;
        const int kind = grid(step.fromCol, step.fromRow);
        if (kind < kFirstCrop || grid(step.toCol, step.toRow) != kind ||
            routeBetween(grid, step.fromCol, step.fromRow, step.toCol, step.toRow).empty())
            return false;
        grid(step.fromCol, step.fromRow) = kEmpty;
        grid(step.toCol, step.toRow) = kEmpty;
    }
    return picturesOf(grid).empty();
}
