#include "solver/HarvestPosition.h"

#include "solver/Pictures.h"

HarvestPosition::HarvestPosition(const FieldGrid& field) : beds_(field) {
    auto shared = std::make_shared<Shared>();
    shared->start = field;
    const std::vector<Picture> pictures = picturesOf(field);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int bed = PictureSet::bed(pictures[i].col, pictures[i].row);
        left_.set(bed);
        shared->kind[size_t(bed)] = pictures[i].kind;
        ++count_[size_t(pictures[i].kind)];
        for (size_t j = i + 1; j < pictures.size(); ++j)
            if (pictures[i].kind == pictures[j].kind)
                shared->candidates.push_back({bed, PictureSet::bed(pictures[j].col, pictures[j].row)});
    }
    shared_ = std::move(shared);
}

std::vector<BedPairNumbers> HarvestPosition::joinable() const {
    std::vector<BedPairNumbers> pairs;
    const PictureSet exits = beds_.besideFreeBeds();
    for (const BedPairNumbers& pair : shared_->candidates) {
        if (!left_.test(pair.first) || !left_.test(pair.second))
            continue;
        const bool touching = neighbours({PictureSet::colOf(pair.first), PictureSet::rowOf(pair.first), 0},
                                         {PictureSet::colOf(pair.second), PictureSet::rowOf(pair.second), 0});
        // Unless they touch, a route leaves one and enters the other through free beds.
        if ((touching || (exits.test(pair.first) && exits.test(pair.second))) && beds_.joined(pair.first, pair.second))
            pairs.push_back(pair);
    }
    return pairs;
}

void HarvestPosition::harvest(const BedPairNumbers& pair) {
    count_[size_t(kindAt(pair.first))] -= 2;
    for (int bed : {pair.first, pair.second}) {
        left_.reset(bed);
        beds_.free(bed);
    }
}

HarvestPosition HarvestPosition::after(const BedPairNumbers& pair) const {
    HarvestPosition next = *this;
    next.harvest(pair);
    return next;
}

FieldGrid HarvestPosition::grid() const {
    FieldGrid grid = shared_->start;
    for (int bed = 0; bed < kCols * kRows; ++bed)
        if (kindAt(bed) != 0 && !left_.test(bed))
            grid(PictureSet::colOf(bed), PictureSet::rowOf(bed)) = kEmpty;
    return grid;
}
