#include "tools/pole/Solver.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {
using Remaining = std::bitset<kCols * kRows>;  // which pictures are still on the field
// Trying to clear a larger kind at once costs more route searches than it saves.
constexpr int kMostClearedAtOnce = 6;

// Harvesting only ever empties beds, so it never closes a route. A kind whose pictures can all be
// harvested right now (its last two, say) is therefore taken at once: nothing is lost by it, as
// every order that worked before still works without that kind. Only the other kinds make a real
// choice, and positions once refuted are not searched again.
//
// For the same reason a pair that is joinable now and harvested anywhere in a complete order can be
// harvested first instead. So once a pair's branch has failed, the later branches beside it never
// take that pair again (it is "asleep" below them): any clearing that did would have been found in
// the branch that took it first. A failure is still a failure of the whole position, which keeps
// the memory of refuted positions sound.
using Pair = std::pair<int, int>;
class Search {
public:
    Search(const FieldGrid& field, std::chrono::steady_clock::duration allowed)
        : grid_(field), pictures_(picturesOf(field)), deadline_(allowed) {
        for (size_t i = 0; i < pictures_.size(); ++i) {
            byKind_[size_t(pictures_[i].kind)].push_back(int(i));
            left_.set(i);
        }
        for (int kind = kFirstCrop; kind <= kLastCrop; ++kind)
            count_[size_t(kind)] = int(byKind_[size_t(kind)].size());
    }

    SolverResult run() {
        SolverResult result;
        result.pairs = int(pictures_.size() / 2);
        for (int kind = kFirstCrop; kind <= kLastCrop; ++kind)
            if (count_[size_t(kind)] % 2 != 0)
                result.oddKinds.push_back(kind);
        result.cutOff = cutOffPictures();
        // An odd kind always keeps one picture, and a picture cut off stays: no search needed.
        const bool cleared = result.oddKinds.empty() && result.cutOff.empty() && harvest({});
        result.positions = positions_;
        result.mostPairs = cleared ? result.pairs : mostPairs_;
        if (cleared) {
            result.verdict = Verdict::Harvestable;
            for (const auto& [a, b] : taken_)
                result.order.push_back(stepBetween(pictures_[size_t(a)], pictures_[size_t(b)]));
        } else {
            result.verdict = outOfTime_ ? Verdict::Undecided : Verdict::NotHarvestable;
        }
        return result;
    }

private:
    // Even with every other crop gone no route reaches a picture of the same kind.
    std::vector<Picture> cutOffPictures() const {
        FieldGrid fences = grid_;
        for (const Picture& p : pictures_)
            fences(p.col, p.row) = kEmpty;
        std::vector<Picture> cut;
        for (const Picture& p : pictures_) {
            const std::vector<int>& kin = byKind_[size_t(p.kind)];
            if (std::none_of(kin.begin(), kin.end(), [&](int i) { return joinable(fences, p, pictures_[size_t(i)]); }))
                cut.push_back(p);
        }
        return cut;
    }

    bool harvest(std::vector<Pair> asleep) {
        // Looked up before the safe kinds are taken too, as that sweep costs more than the lookup.
        if (refuted_.contains(left_))
            return false;
        const Remaining entry = left_;
        const size_t mark = taken_.size();
        takeSafeKinds();
        if (left_.none())
            return true;
        std::erase_if(asleep, [&](const Pair& p) { return !left_.test(size_t(p.first)) || !left_.test(size_t(p.second)); });
        mostPairs_ = std::max(mostPairs_, int(pictures_.size() - left_.count()) / 2);
        if (deadline_.passed())
            outOfTime_ = true;
        if (outOfTime_ || refuted_.contains(left_)) {
            giveBack(mark);
            return false;
        }
        ++positions_;
        // Most pairs fail joinable()'s first test; asking it once per picture here saves the
        // same question for every pair.
        Remaining open;
        for (size_t i = 0; i < pictures_.size(); ++i)
            if (left_.test(i) && hasFreeNeighbour(grid_, pictures_[i]))
                open.set(i);
        for (int kind = kFirstCrop; kind <= kLastCrop && !outOfTime_; ++kind) {
            if (count_[size_t(kind)] < 4)
                continue;
            const std::vector<int> on = remainingOf(kind);
            for (size_t i = 0; i < on.size(); ++i)
                for (size_t j = i + 1; j < on.size(); ++j) {
                    const Pair move{on[i], on[j]};
                    if (!(open.test(size_t(on[i])) && open.test(size_t(on[j]))) &&
                        !neighbours(pictures_[size_t(on[i])], pictures_[size_t(on[j])]))
                        continue;
                    if (std::find(asleep.begin(), asleep.end(), move) != asleep.end() ||
                        !joinable(grid_, pictures_[size_t(on[i])], pictures_[size_t(on[j])]))
                        continue;
                    take(on[i], on[j]);
                    if (harvest(asleepBeside(asleep, move)))
                        return true;
                    giveBack(taken_.size() - 1);
                    if (outOfTime_) {
                        giveBack(mark);
                        return false;
                    }
                    asleep.push_back(move);
                }
        }
        if (!outOfTime_) {
            refuted_.insert(left_);
            refuted_.insert(entry);
        }
        giveBack(mark);
        return false;
    }

    // The pairs still asleep once `move` is taken: those sharing a picture with it are gone.
    static std::vector<Pair> asleepBeside(const std::vector<Pair>& asleep, const Pair& move) {
        std::vector<Pair> kept;
        for (const Pair& p : asleep)
            if (p.first != move.first && p.first != move.second && p.second != move.first && p.second != move.second)
                kept.push_back(p);
        return kept;
    }

    // Every kind whose pictures can all be harvested right now, one of its pairs after another.
    void takeSafeKinds() {
        for (bool tookOne = true; tookOne;) {
            tookOne = false;
            for (int kind = kFirstCrop; kind <= kLastCrop; ++kind)
                if (count_[size_t(kind)] >= 2 && count_[size_t(kind)] <= kMostClearedAtOnce && clearKind(kind))
                    tookOne = true;
        }
    }

    // Harvests every picture of the kind, or leaves the field as it was and says so.
    bool clearKind(int kind) {
        if (count_[size_t(kind)] == 0)
            return true;
        const size_t mark = taken_.size();
        const std::vector<int> on = remainingOf(kind);
        if (std::any_of(on.begin(), on.end(), [&](int i) { return walledIn(i, on); }))
            return false;
        for (size_t i = 0; i < on.size(); ++i)
            for (size_t j = i + 1; j < on.size(); ++j) {
                if (!joinable(grid_, pictures_[size_t(on[i])], pictures_[size_t(on[j])]))
                    continue;
                take(on[i], on[j]);
                if (clearKind(kind))
                    return true;
                giveBack(mark);
            }
        return false;
    }

    // No free bed beside it and no picture of its kind either: it cannot be harvested yet.
    bool walledIn(int picture, const std::vector<int>& kin) const {
        const Picture& p = pictures_[size_t(picture)];
        return !hasFreeNeighbour(grid_, p) &&
               std::none_of(kin.begin(), kin.end(), [&](int i) { return neighbours(p, pictures_[size_t(i)]); });
    }

    std::vector<int> remainingOf(int kind) const {
        std::vector<int> on;
        for (int i : byKind_[size_t(kind)])
            if (left_.test(size_t(i)))
                on.push_back(i);
        return on;
    }

    void take(int a, int b) {
        for (int i : {a, b}) {
            grid_(pictures_[size_t(i)].col, pictures_[size_t(i)].row) = kEmpty;
            left_.reset(size_t(i));
        }
        count_[size_t(pictures_[size_t(a)].kind)] -= 2;
        taken_.emplace_back(a, b);
    }

    // Puts back every pair taken since the mark, last first.
    void giveBack(size_t mark) {
        while (taken_.size() > mark) {
            const auto [a, b] = taken_.back();
            taken_.pop_back();
            for (int i : {a, b}) {
                const Picture& p = pictures_[size_t(i)];
                grid_(p.col, p.row) = p.kind;
                left_.set(size_t(i));
            }
            count_[size_t(pictures_[size_t(a)].kind)] += 2;
        }
    }

    FieldGrid grid_;
    const std::vector<Picture> pictures_;
    std::array<std::vector<int>, kLastCrop + 1> byKind_;
    std::array<int, kLastCrop + 1> count_{};
    Remaining left_;
    std::vector<std::pair<int, int>> taken_;
    std::unordered_set<Remaining> refuted_;
    Deadline deadline_;
    bool outOfTime_ = false;
    int mostPairs_ = 0;
    long positions_ = 0;
};
}  // namespace

SolverResult solveField(const FieldGrid& field, std::chrono::steady_clock::duration allowed) {
    return Search(field, allowed).run();
}
