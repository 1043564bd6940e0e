#pragma once
#include <array>
#include <cstdint>

#include "core/FieldGrid.h"
#include "solver/PictureSet.h"

// The field's taken beds (crops and fences) as bits, row by row and column by column, so that the
// solver can ask its millions of route questions in a few machine instructions each. It answers
// exactly as the game's route search does; the tests hold the two side by side.
static_assert(kCols <= 16 && kRows <= 16, "a line of beds must fit the 16 bits of its mask");

class Occupancy {
public:
    explicit Occupancy(const FieldGrid& grid);

    void free(int col, int row);
    void take(int col, int row);

    // A route of at most three straight segments through free beds joins the two beds.
    bool joined(int fromCol, int fromRow, int toCol, int toRow) const;
    // The same for beds by number (PictureSet::bed).
    bool joined(int fromBed, int toBed) const {
        return joined(PictureSet::colOf(fromBed), PictureSet::rowOf(fromBed), PictureSet::colOf(toBed),
                      PictureSet::rowOf(toBed));
    }
    void free(int bed) { free(PictureSet::colOf(bed), PictureSet::rowOf(bed)); }
    void take(int bed) { take(PictureSet::colOf(bed), PictureSet::rowOf(bed)); }

    // Every bed with a free bed beside it: a route can leave it there.
    PictureSet besideFreeBeds() const;

private:
    std::array<uint16_t, kRows> rows_{};  // bit `col` set when the bed (col, row) is taken
    std::array<uint16_t, kCols> cols_{};  // bit `row` set likewise
};
