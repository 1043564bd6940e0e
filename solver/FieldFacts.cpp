#include "solver/FieldFacts.h"

#include <algorithm>
#include <utility>

#include "solver/Pictures.h"

FieldFacts::FieldFacts(const FieldGrid& field) {
    for (const Picture& p : picturesOf(field)) {
        const int bed = PictureSet::bed(p.col, p.row);
        kind[size_t(bed)] = p.kind;
        ofKind[size_t(p.kind)].set(bed);
        pictures.set(bed);
    }
    // Which pictures of a kind could ever be joined: once everything but the fences is gone.
    FieldGrid fences;
    for (int col = 0; col < kCols; ++col)
        for (int row = 0; row < kRows; ++row)
            if (field(col, row) == kFence)
                fences(col, row) = kFence;
    const Occupancy open(fences);
    pictures.forEach([&](int bed) {
        ofKind[size_t(kind[size_t(bed)])].forEach([&](int other) {
            if (other != bed && open.joined(bed, other))
                everJoined[size_t(bed)].set(other);
        });
        const int col = PictureSet::colOf(bed);
        const int row = PictureSet::rowOf(bed);
        for (const auto& [c, r] : {std::pair{col + 1, row}, {col - 1, row}, {col, row + 1}, {col, row - 1}})
            if (insideGrid(c, r) && kind[size_t(PictureSet::bed(c, r))] == kind[size_t(bed)])
                kinBeside[size_t(bed)].set(PictureSet::bed(c, r));
        if (!kinBeside[size_t(bed)].none())
            kinSomewhereBeside.set(bed);
    });
    for (int k = kFirstCrop; k <= kLastCrop; ++k) {
        bool partNone = true;
        ofKind[size_t(k)].forEach([&](int bed) {
            partNone = partNone && everJoined[size_t(bed)].count() + 1 == ofKind[size_t(k)].count();
        });
        fencesPartNone[size_t(k)] = partNone;
    }
}

int FieldFacts::mostPairsAmong(const PictureSet& some) const {
    if (some.none())
        return 0;
    const int first = some.first();
    PictureSet rest = some;
    rest.reset(first);
    const int all = some.count() / 2;
    int most = 0;
    (everJoined[size_t(first)] & rest).forEach([&](int partner) {
        if (most == all)
            return;
        PictureSet others = rest;
        others.reset(partner);
        most = std::max(most, 1 + mostPairsAmong(others));
    });
    // Leaving the first picture out, in case pairing it costs more than it brings.
    return most == all ? most : std::max(most, mostPairsAmong(rest));
}

// Suppose every picture went as soon as a route led from it to any picture of its kind in the
// position, even one already gone: that is more than any real order can do, as a real route stays
// open while ever fewer pictures remain. The pictures still left when nothing more goes that way
// are stuck in every real order too.
PictureSet FieldFacts::neverJoined(const Occupancy& beds, const PictureSet& position) const {
    Occupancy emptying = beds;
    PictureSet left = position;
    for (bool wentOne = true; wentOne;) {
        wentOne = false;
        const PictureSet free = emptying.besideFreeBeds();
        left.forEach([&](int bed) {
            if (!free.test(bed) && (kinBeside[size_t(bed)] & position).none())
                return;
            bool canGo = false;
            (ofKind[size_t(kind[size_t(bed)])] & position).forEach([&](int other) {
                canGo = canGo || (other != bed && emptying.joined(bed, other));
            });
            if (canGo) {
                left.reset(bed);
                emptying.free(bed);
                wentOne = true;
            }
        });
    }
    return left;
}
