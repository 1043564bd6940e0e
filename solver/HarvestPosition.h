#pragma once
#include <array>
#include <memory>
#include <vector>

#include "core/FieldGrid.h"
#include "solver/Occupancy.h"
#include "solver/PictureSet.h"

// Two pictures of one kind by bed number (PictureSet::bed), the first before the second.
struct BedPairNumbers {
    int first;
    int second;
    bool operator==(const BedPairNumbers&) const = default;
};

// A field partway through a harvest, cheap to copy, so that a player's look-ahead can try moves
// on copies of it.
class HarvestPosition {
public:
    explicit HarvestPosition(const FieldGrid& field);

    // The pairs joinable now, in the order of the game's joinablePairs, so that a random draw from
    // this list plays the same order as one from the game's.
    std::vector<BedPairNumbers> joinable() const;
    void harvest(const BedPairNumbers& pair);
    HarvestPosition after(const BedPairNumbers& pair) const;  // this position with the pair harvested

    bool cleared() const { return left_.none(); }
    const PictureSet& left() const { return left_; }
    int kindAt(int bed) const { return shared_->kind[size_t(bed)]; }
    int leftOfKind(int kind) const { return count_[size_t(kind)]; }
    // The field as it stands now, for the game's route search and the solver.
    FieldGrid grid() const;

private:
    struct Shared {
        FieldGrid start;
        std::array<int, kCols * kRows> kind{};
        std::vector<BedPairNumbers> candidates;  // every two pictures of one kind, row-major
    };
    std::shared_ptr<const Shared> shared_;
    Occupancy beds_;
    PictureSet left_;
    std::array<int, kLastCrop + 1> count_{};
};
