#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/Geometry.h"

static_assert(kCols == 16 && kRows == 10, "bed numbers col + 16 * row in three words assume the 16 x 10 field");

// A set of beds by their numbers col + 16 * row, as three machine words: the solver's positions
// and the questions it asks about them take a few instructions each.
class PictureSet {
public:
    PictureSet() = default;
    static int bed(int col, int row) { return col + kCols * row; }
    // Bed numbers are never negative; unsigned arithmetic spares the sign fix-ups.
    static int colOf(int bed) { return int(unsigned(bed) % kCols); }
    static int rowOf(int bed) { return int(unsigned(bed) / kCols); }

    bool test(int i) const { return (words_[word(i)] >> place(i) & 1) != 0; }
    void set(int i) { words_[word(i)] |= uint64_t(1) << place(i); }
    void reset(int i) { words_[word(i)] &= ~(uint64_t(1) << place(i)); }
    bool none() const { return (words_[0] | words_[1] | words_[2]) == 0; }
    // The smallest member; the set must not be empty.
    int first() const {
        for (size_t w = 0;; ++w)
            if (words_[w] != 0)
                return int(w * 64) + std::countr_zero(words_[w]);
    }
    int count() const { return std::popcount(words_[0]) + std::popcount(words_[1]) + std::popcount(words_[2]); }

    PictureSet operator&(const PictureSet& other) const {
        return {{words_[0] & other.words_[0], words_[1] & other.words_[1], words_[2] & other.words_[2]}};
    }
    PictureSet without(const PictureSet& other) const {
        return {{words_[0] & ~other.words_[0], words_[1] & ~other.words_[1], words_[2] & ~other.words_[2]}};
    }
    bool operator==(const PictureSet& other) const {
        return ((words_[0] ^ other.words_[0]) | (words_[1] ^ other.words_[1]) | (words_[2] ^ other.words_[2])) == 0;
    }

    // Adds the beds of row `r` given as a 16-bit mask, a bit per column.
    void addRow(int r, uint16_t beds) { words_[size_t(r / 4)] |= uint64_t(beds) << (16 * (r % 4)); }

    // Calls `visit(i)` for every member, smallest first.
    template <typename Visit>
    void forEach(Visit visit) const {
        for (size_t w = 0; w < words_.size(); ++w)
            for (uint64_t bits = words_[w]; bits != 0; bits &= bits - 1)
                visit(int(w * 64) + std::countr_zero(bits));
    }

    struct Hash {
        size_t operator()(const PictureSet& s) const {
            uint64_t h = s.words_[0] * 0x9E3779B97F4A7C15ull;
            h = (h ^ (h >> 29) ^ s.words_[1]) * 0xBF58476D1CE4E5B9ull;
            h = (h ^ (h >> 31) ^ s.words_[2]) * 0x94D049BB133111EBull;
            return size_t(h ^ (h >> 32));
        }
    };

private:
    PictureSet(std::array<uint64_t, 3> words) : words_(words) {}
    static size_t word(int i) { return unsigned(i) / 64; }
    static unsigned place(int i) { return unsigned(i) % 64; }
    std::array<uint64_t, 3> words_{};
};
static_assert(kCols * kRows <= 3 * 64);
