#include "solver/Occupancy.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

namespace {
constexpr uint32_t bit(int i) { return uint32_t(1) << i; }

// The beds of one line reachable from `at` through free beds, `at` included, as a mask.
uint32_t freeRun(uint32_t taken, int at, int length) {
    const uint32_t wall = taken | ~(bit(length) - 1);  // past the far end counts as taken
    const int up = std::countr_zero(wall >> (at + 1));
    // Beds 0..at-1 moved up one place, with the place before bed 0 taken.
    const uint32_t before = ((wall << 1) | 1u) & (bit(at + 1) - 1);
    const int down = at + 1 - int(std::bit_width(before));
    return (bit(up + down + 1) - 1) << (at - down);
}

// The beds strictly between two places of a line, for every two places: asked twice a route.
constexpr auto kBetween = [] {
    std::array<std::array<uint16_t, kCols>, kCols> between{};
    for (int a = 0; a < kCols; ++a)
        for (int b = 0; b < kCols; ++b)
            for (int i = std::min(a, b) + 1; i < std::max(a, b); ++i)
                between[size_t(a)][size_t(b)] |= uint16_t(bit(i));
    return between;
}();

// Some place of `corners` whose crossing line is free between the two ends; that line runs across
// `lines` from place `fromEnd` to `toEnd`.
bool freeCrossing(uint32_t corners, const uint16_t* lines, int fromEnd, int toEnd) {
    const uint32_t gap = kBetween[std::size_t(fromEnd)][std::size_t(toEnd)];
    for (; corners != 0; corners &= corners - 1)
        if ((lines[std::countr_zero(corners)] & gap) == 0)
            return true;
    return false;
}
}  // namespace

Occupancy::Occupancy(const FieldGrid& grid) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid(col, row) != kEmpty)
                take(col, row);
}

void Occupancy::free(int col, int row) {
    rows_[std::size_t(row)] &= uint16_t(~bit(col));
    cols_[std::size_t(col)] &= uint16_t(~bit(row));
}

void Occupancy::take(int col, int row) {
    rows_[std::size_t(row)] |= uint16_t(bit(col));
    cols_[std::size_t(col)] |= uint16_t(bit(row));
}

bool Occupancy::joined(int fromCol, int fromRow, int toCol, int toRow) const {
    if (fromCol == toCol && fromRow == toRow)
        return false;
    // Each run starts from its own end's bed, whatever stands there. The other end need not be
    // freed: two ends on one line meet in a shared run of free beds, or side by side in the
    // crossing of their two perpendicular runs.
    const uint32_t fromRowTaken = rows_[std::size_t(fromRow)] & ~bit(fromCol);
    const uint32_t toRowTaken = rows_[std::size_t(toRow)] & ~bit(toCol);
    const uint32_t fromColTaken = cols_[std::size_t(fromCol)] & ~bit(fromRow);
    const uint32_t toColTaken = cols_[std::size_t(toCol)] & ~bit(toRow);
    // Across, along a column, across: the column is one both ends reach along their rows.
    const uint32_t sharedColumns = freeRun(fromRowTaken, fromCol, kCols) & freeRun(toRowTaken, toCol, kCols);
    if (freeCrossing(sharedColumns, cols_.data(), fromRow, toRow))
        return true;
    // Along, across a row, along.
    const uint32_t sharedRows = freeRun(fromColTaken, fromRow, kRows) & freeRun(toColTaken, toRow, kRows);
    return freeCrossing(sharedRows, rows_.data(), fromCol, toCol);
}

PictureSet Occupancy::besideFreeBeds() const {
    constexpr uint32_t wholeRow = bit(kCols) - 1;
    PictureSet beside;
    for (int row = 0; row < kRows; ++row) {
        const uint32_t free = ~uint32_t(rows_[std::size_t(row)]) & wholeRow;
        uint32_t near = (free << 1) | (free >> 1);
        if (row > 0)
            near |= ~uint32_t(rows_[std::size_t(row - 1)]);
        if (row + 1 < kRows)
            near |= ~uint32_t(rows_[std::size_t(row + 1)]);
        beside.addRow(row, uint16_t(near & wholeRow));
    }
    return beside;
}
