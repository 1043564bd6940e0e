#pragma once
#include <array>
#include <cstdint>

// The check before a sown field is saved: at least one picture, and every kind paired.

// For each sign, the last cell seen with it and whether it was seen an odd number of times so far.
struct ParityRecord {
    int32_t Col = 0;
    int32_t Row = 0;
    int32_t Odd = 0;
};
using PairParityTable = std::array<ParityRecord, 34>;

// 0 when the field may be saved (SownCells and PictureCount then hold its occupied cells);
// 1 when it is refused, after its message, with the unpaired pictures flagged.
int AnalizPolya();
