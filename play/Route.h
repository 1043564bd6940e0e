#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "core/FieldGrid.h"

// One point of the robot's trip, in field-picture pixels.
struct PathPoint {
    int32_t X;
    int32_t Y;
    bool operator==(const PathPoint&) const = default;
};

// Two points per cell stepped; the longest route (across, down and back across the field, and one
// step beyond the target) fills the path exactly.
constexpr int kRobotPathSize = 2 * ((kCols - 1) + (kRows - 1) + (kCols - 1) + 1);

// The robot's route from one picked cell to the other, as the list of pixel points the robot image
// passes (top-left corners in the field picture), points 0..PathLength; empty when no route exists.
// At most two turns and never outside the 16 x 10 grid. A straight route wins; otherwise the first
// segment is tried up, right, down, left, and within one direction the nearest corner wins.
std::vector<PathPoint> routeBetween(const FieldGrid& grid, int fromCol, int fromRow, int toCol, int toRow);

// Two beds the robot can join: equal crops with a route between them, the first bed before the
// second in row-major order.
struct BedPair {
    int fromCol;
    int fromRow;
    int toCol;
    int toRow;
    bool operator==(const BedPair&) const = default;
};

// Every pair that can be harvested on the grid as it stands, in row-major order of the first bed,
// then of the second.
std::vector<BedPair> joinablePairs(const FieldGrid& grid);
// The first of those, or nothing when the field is stuck.
std::optional<BedPair> firstJoinablePair(const FieldGrid& grid);
