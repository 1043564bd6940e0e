#pragma once
#include <cstddef>
#include <vector>

#include "solver/PictureSet.h"

// The positions a search has refuted, in one flat table probed in place: the solver asks about
// every position it reaches, so the asking has to cost no allocation. The empty set marks a free
// slot, as an empty field is never refuted.
class PositionMemory {
public:
    PositionMemory() : slots_(1024) {}

    bool contains(const PictureSet& position) const {
        for (size_t i = start(position);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == position)
                return true;
            if (slots_[i].none())
                return false;
        }
    }

    void insert(const PictureSet& position) {
        if (position.none())
            return;
        if (2 * (stored_ + 1) > slots_.size())
            grow();
        for (size_t i = start(position);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == position)
                return;
            if (slots_[i].none()) {
                slots_[i] = position;
                ++stored_;
                return;
            }
        }
    }

private:
    size_t start(const PictureSet& position) const { return PictureSet::Hash{}(position) & (slots_.size() - 1); }

    void grow() {
        std::vector<PictureSet> old(slots_.size() * 2);
        old.swap(slots_);
        stored_ = 0;
        for (const PictureSet& position : old)
            if (!position.none())
                insert(position);
    }

    std::vector<PictureSet> slots_;  // a power of two long, never more than half full
    size_t stored_ = 0;
};
