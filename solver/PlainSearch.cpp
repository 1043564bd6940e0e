#include "solver/PlainSearch.h"

#include <vector>

namespace {
class PlainSearch {
public:
    PlainSearch(const FieldGrid& field, std::chrono::steady_clock::duration allowed)
        : grid_(field), pictures_(picturesOf(field)), left_(pictures_.size(), true), deadline_(allowed) {}

    Verdict run() {
        if (harvest(int(pictures_.size())))
            return Verdict::Harvestable;
        return outOfTime_ ? Verdict::Undecided : Verdict::NotHarvestable;
    }

private:
    bool harvest(int remaining) {
        if (remaining == 0)
            return true;
        if (deadline_.passed()) {
            outOfTime_ = true;
            return false;
        }
        for (size_t i = 0; i < pictures_.size(); ++i)
            for (size_t j = i + 1; j < pictures_.size(); ++j) {
                if (!left_[i] || !left_[j] || pictures_[i].kind != pictures_[j].kind ||
                    !joinable(grid_, pictures_[i], pictures_[j]))
                    continue;
                setPresent(i, j, false);
                const bool cleared = harvest(remaining - 2);
                setPresent(i, j, true);
                if (cleared)
                    return true;
                if (outOfTime_)
                    return false;
            }
        return false;
    }

    void setPresent(size_t a, size_t b, bool present) {
        for (size_t i : {a, b}) {
            left_[i] = present;
            grid_(pictures_[i].col, pictures_[i].row) = present ? pictures_[i].kind : kEmpty;
        }
    }

    FieldGrid grid_;
    const std::vector<Picture> pictures_;
    std::vector<bool> left_;
    Deadline deadline_;
    bool outOfTime_ = false;
};
}  // namespace

Verdict plainSearch(const FieldGrid& field, std::chrono::steady_clock::duration allowed) {
    return PlainSearch(field, allowed).run();
}
