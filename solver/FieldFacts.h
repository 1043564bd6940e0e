#pragma once
#include <array>

#include "core/FieldGrid.h"
#include "solver/Occupancy.h"
#include "solver/PictureSet.h"

// What a search knows of a field before it harvests anything and what stays true while it does:
// where each kind stands, which pictures touch one of their kind, which could ever be joined.
// Pictures are known by their bed numbers (PictureSet::bed).
struct FieldFacts {
    explicit FieldFacts(const FieldGrid& field);

    // The most pairs the pictures split into where each pair might be joined some day.
    int mostPairsAmong(const PictureSet& pictures) const;

    // Pictures that no order ever harvests, the field being as `beds` and `position` says.
    PictureSet neverJoined(const Occupancy& beds, const PictureSet& position) const;

    PictureSet pictures;                                      // every picture on the field
    std::array<int, kCols * kRows> kind{};                    // crop code on each bed, 0 where none
    std::array<PictureSet, kLastCrop + 1> ofKind;             // every picture of a kind
    std::array<PictureSet, kCols * kRows> kinBeside;          // pictures of the same kind next to one
    PictureSet kinSomewhereBeside;                            // pictures with one of their kind next to them
    std::array<PictureSet, kCols * kRows> everJoined;         // same kind, and no fence stands between for good
    std::array<bool, kLastCrop + 1> fencesPartNone{};         // every two pictures of the kind may be joined
};
