#pragma once
#include <array>
#include <cstdint>

#include "core/Geometry.h"

// The picture code of every cell, indexed (column, row): 0 empty, 1 fence, 2..33 crops.
class FieldGrid {
public:
    int32_t& operator()(int col, int row) { return cells_[col][row]; }
    int32_t operator()(int col, int row) const { return cells_[col][row]; }
    void clear() { *this = FieldGrid{}; }
    bool operator==(const FieldGrid&) const = default;

private:
    std::array<std::array<int32_t, kRows>, kCols> cells_{};
};
