#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "solver/FieldFacts.h"
#include "solver/Occupancy.h"
#include "solver/PictureSet.h"
#include "solver/PositionMemory.h"

namespace {
constexpr int kBeds = kCols * kRows;
// Trying to clear a larger kind at once costs more route searches than it saves.
constexpr int kMostClearedAtOnce = 6;
// Kinds with more pictures left than this are never counted out by pairsLost(): the count would
// cost more than it saves.
constexpr int kMostPairedUp = 10;
// The seed of the later runs' orders: fixed, so the same field always gets the same answer in the
// same number of positions.
constexpr unsigned kShuffleSeed = 20261208;

// Up to 160 bed numbers without a heap allocation.
struct BedList {
    std::array<int, kBeds> at;  // only the first `size` are set
    int size = 0;
};
BedList listOf(const PictureSet& set) {
    BedList list;
    set.forEach([&](int bed) { list.at[size_t(list.size++)] = bed; });
    return list;
}

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
//
// Pictures are known by their bed numbers, col + 16 * row.
using Pair = std::pair<int, int>;
class Search {
public:
    Search(const FieldGrid& field, std::chrono::steady_clock::duration allowed, long firstAllowance,
           long mostPositions)
        : facts_(field), beds_(field), left_(facts_.pictures), deadline_(allowed),
          firstAllowance_(std::max(firstAllowance, 1L)), mostPositions_(mostPositions) {
        for (int kind = kFirstCrop; kind <= kLastCrop; ++kind)
            count_[size_t(kind)] = facts_.ofKind[size_t(kind)].count();
        pairs_ = facts_.pictures.count() / 2;
        std::iota(kindOrder_.begin(), kindOrder_.end(), kFirstCrop);
    }

    SolverResult run() {
        SolverResult result;
        result.pairs = pairs_;
        for (int kind = kFirstCrop; kind <= kLastCrop; ++kind)
            if (count_[size_t(kind)] % 2 != 0)
                result.oddKinds.push_back(kind);
        facts_.neverJoined(beds_, left_).forEach([&](int bed) { result.neverJoined.push_back(pictureAt(bed)); });
        // An odd kind always keeps one picture, and so does a picture never joined: no search needed.
        const bool cleared = result.oddKinds.empty() && result.neverJoined.empty() && harvestWithRestarts();
        result.positions = positions_;
        result.mostPairs = cleared ? result.pairs : mostPairs_;
        for (const auto& [a, b] : longest_)
            result.longest.push_back(stepBetween(pictureAt(a), pictureAt(b)));
        if (cleared) {
            result.verdict = Verdict::Harvestable;
            for (const auto& [a, b] : taken_)
                result.order.push_back(stepBetween(pictureAt(a), pictureAt(b)));
            result.longest = result.order;
        } else {
            result.verdict = outOfTime_ ? Verdict::Undecided : Verdict::NotHarvestable;
        }
        return result;
    }

private:
    Picture pictureAt(int bed) const {
        return {PictureSet::colOf(bed), PictureSet::rowOf(bed), facts_.kind[size_t(bed)]};
    }

    // Pictures that might be harvested now: a free bed beside them or one of their kind.
    PictureSet movable(const PictureSet& besideFree) const {
        PictureSet ready = besideFree & left_;
        (left_.without(ready) & facts_.kinSomewhereBeside).forEach([&](int bed) {
            if (!(facts_.kinBeside[size_t(bed)] & left_).none())
                ready.set(bed);
        });
        return ready;
    }

    // How long a search takes depends wildly on the order it tries the kinds in: one order clears a
    // field in a few hundred positions where another wanders for a million. So the search starts
    // over now and then in a new order, with ever more positions allowed (1, 1, 2, 1, 1, 2, 4, ...
    // times a base). Refuted positions stay refuted across the runs, so no run repeats the work of
    // an earlier one, and the allowance grows without end, so a field is still decided exactly.
    bool harvestWithRestarts() {
        std::mt19937 shuffle(kShuffleSeed);
        for (int run = 1;; ++run) {
            allowance_ = positions_ + firstAllowance_ * luby(run);
            stopped_ = false;
            sleep_.clear();
            if (harvest(0))
                return true;
            if (outOfTime_ || !stopped_)
                return false;
            std::shuffle(kindOrder_.begin(), kindOrder_.end(), shuffle);
        }
    }

    // 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ...: the allowance of run `i`, counted from 1.
    static long luby(long i) {
        for (long size = 1;; size = 2 * size + 1) {
            if (i == size)
                return (size + 1) / 2;
            if (i < size)
                return luby(i - (size - 1) / 2);
        }
    }

    // The asleep pairs of this position are sleep_[asleepFrom, end).
    bool harvest(size_t asleepFrom) {
        // Looked up before the safe kinds are taken too, as that sweep costs more than the lookup.
        if (refuted_.contains(left_))
            return false;
        const PictureSet entry = left_;
        const size_t mark = taken_.size();
        takeSafeKinds();
        if (left_.none())
            return true;
        dropGoneFromSleep(asleepFrom);
        if (int(taken_.size()) > mostPairs_) {
            mostPairs_ = int(taken_.size());
            longest_ = taken_;
        }
        if (deadline_.passed() || (mostPositions_ > 0 && positions_ >= mostPositions_))
            outOfTime_ = true;
        if (outOfTime_ || positions_ >= allowance_)
            stopped_ = true;
        const bool tookSafeKinds = taken_.size() > mark;
        if (stopped_ || (tookSafeKinds && refuted_.contains(left_))) {
            giveBack(mark);
            return false;
        }
        ++positions_;
        const PictureSet open = beds_.besideFreeBeds();
        const PictureSet ready = movable(open);
        PictureSet drowsy;  // the first picture of every asleep pair: most moves need no lookup
        for (size_t k = asleepFrom; k < sleep_.size(); ++k)
            drowsy.set(sleep_[k].first);
        for (size_t k = 0; k < kindOrder_.size(); ++k) {
            const int kind = kindOrder_[k];
            if (count_[size_t(kind)] < 4)
                continue;
            const BedList on = listOf(facts_.ofKind[size_t(kind)] & ready);
            for (int i = 0; i < on.size; ++i)
                for (int j = i + 1; j < on.size; ++j) {
                    const Pair move{on.at[size_t(i)], on.at[size_t(j)]};
                    // Unless they touch, a route leaves one and enters the other through free beds.
                    if (!(open.test(move.first) && open.test(move.second)) && !facts_.kinBeside[size_t(move.first)].test(move.second))
                        continue;
                    if ((drowsy.test(move.first) && isAsleep(move, asleepFrom)) || !beds_.joined(move.first, move.second))
                        continue;
                    take(move.first, move.second);
                    if (const int lost = pairsLost(kind); lost > 0 && pairs_ - lost <= mostPairs_) {
                        // This branch cannot clear the field, nor beat the best order seen so far.
                        giveBack(taken_.size() - 1);
                        continue;
                    }
                    const size_t childFrom = sleep_.size();
                    for (size_t k = asleepFrom; k < childFrom; ++k)
                        if (!sharesPicture(sleep_[k], move))
                            sleep_.push_back(sleep_[k]);
                    const bool cleared = harvest(childFrom);
                    sleep_.resize(childFrom);
                    if (cleared)
                        return true;
                    giveBack(taken_.size() - 1);
                    if (stopped_) {
                        giveBack(mark);
                        return false;
                    }
                    sleep_.push_back(move);
                    drowsy.set(move.first);
                }
        }
        // Every branch ran to its end without a stop, or this position would have returned above.
        refuted_.insert(left_);
        if (tookSafeKinds)
            refuted_.insert(entry);
        giveBack(mark);
        return false;
    }

    // Pairs of the kind that no order can harvest any more, as no route may ever join the rest of
    // its pictures two by two.
    int pairsLost(int kind) const {
        if (facts_.fencesPartNone[size_t(kind)])
            return 0;
        const PictureSet on = facts_.ofKind[size_t(kind)] & left_;
        const int count = on.count();
        return count > kMostPairedUp ? 0 : count / 2 - facts_.mostPairsAmong(on);
    }

    static bool sharesPicture(const Pair& p, const Pair& q) {
        return p.first == q.first || p.first == q.second || p.second == q.first || p.second == q.second;
    }

    bool isAsleep(const Pair& move, size_t asleepFrom) const {
        return std::find(sleep_.begin() + std::ptrdiff_t(asleepFrom), sleep_.end(), move) != sleep_.end();
    }

    // Pairs one of whose pictures the safe kinds took are not choices any more.
    void dropGoneFromSleep(size_t asleepFrom) {
        const auto gone = [&](const Pair& p) { return !left_.test(p.first) || !left_.test(p.second); };
        sleep_.erase(std::remove_if(sleep_.begin() + std::ptrdiff_t(asleepFrom), sleep_.end(), gone), sleep_.end());
    }

    // Every kind whose pictures can all be harvested right now, one of its pairs after another.
    void takeSafeKinds() {
        for (bool tookOne = true; tookOne;) {
            tookOne = false;
            PictureSet ready = movable(beds_.besideFreeBeds());
            for (int kind = kFirstCrop; kind <= kLastCrop; ++kind) {
                const int count = count_[size_t(kind)];
                // A picture that cannot move yet keeps its kind on the field.
                if (count < 2 || count > kMostClearedAtOnce || !(facts_.ofKind[size_t(kind)] & left_).without(ready).none())
                    continue;
                if (clearKind(kind)) {
                    tookOne = true;
                    ready = movable(beds_.besideFreeBeds());
                }
            }
        }
    }

    // Harvests every picture of the kind, or leaves the field as it was and says so.
    bool clearKind(int kind) {
        if (count_[size_t(kind)] == 0)
            return true;
        const size_t mark = taken_.size();
        const BedList on = listOf(facts_.ofKind[size_t(kind)] & left_);
        for (int i = 0; i < on.size; ++i)
            for (int j = i + 1; j < on.size; ++j) {
                if (!beds_.joined(on.at[size_t(i)], on.at[size_t(j)]))
                    continue;
                take(on.at[size_t(i)], on.at[size_t(j)]);
                if (clearKind(kind))
                    return true;
                giveBack(mark);
            }
        return false;
    }

    void take(int a, int b) {
        for (int bed : {a, b}) {
            beds_.free(bed);
            left_.reset(bed);
        }
        count_[size_t(facts_.kind[size_t(a)])] -= 2;
        taken_.emplace_back(a, b);
    }

    // Puts back every pair taken since the mark, last first.
    void giveBack(size_t mark) {
        while (taken_.size() > mark) {
            const auto [a, b] = taken_.back();
            taken_.pop_back();
            for (int bed : {a, b}) {
                beds_.take(bed);
                left_.set(bed);
            }
            count_[size_t(facts_.kind[size_t(a)])] += 2;
        }
    }

    const FieldFacts facts_;
    Occupancy beds_;
    PictureSet left_;                          // pictures still on the field
    std::array<int, kLastCrop + 1> count_{};  // and how many of each kind
    int pairs_ = 0;                            // pairs on the field at the start
    std::vector<Pair> taken_;
    std::vector<Pair> longest_;  // the order that reached mostPairs_
    std::vector<Pair> sleep_;
    PositionMemory refuted_;
    Deadline deadline_;
    const long firstAllowance_;
    const long mostPositions_;
    bool outOfTime_ = false;
    bool stopped_ = false;  // out of time, or this run's allowance spent
    long allowance_ = 0;    // positions this run may reach, counted with the runs before it
    std::array<int, kLastCrop - kFirstCrop + 1> kindOrder_;
    int mostPairs_ = 0;
    long positions_ = 0;
};
}  // namespace

SolverResult solveField(const FieldGrid& field, std::chrono::steady_clock::duration allowed, long firstAllowance,
                        long mostPositions) {
    return Search(field, allowed, firstAllowance, mostPositions).run();
}
