#include "solver/ModelPlayers.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/Rnd.h"
#include "solver/FatalPair.h"
#include "solver/Grading.h"
#include "solver/Reach.h"

namespace {
// Per game; enough for every bundled field, deeper searches are cut off and flagged.
constexpr long kMostReachPositions = 200000;
constexpr int kExpertSafePairs = 3;
// The most pictures of one kind the expert plans to clear in one go: as many as a person keeps
// in mind.
constexpr int kMostPlannedPictures = 6;

HarvestPosition after(const HarvestPosition& position, const BedPairNumbers& pair) {
    HarvestPosition next = position;
    next.harvest(pair);
    return next;
}

// Among the pairs, the shortest route that `allowed` lets through, asked from the shortest on so
// that a costly question is asked only when needed; ties are drawn at random. When it lets none
// through, the shortest of all.
BedPairNumbers shortestAllowed(const HarvestPosition& position, std::vector<BedPairNumbers> pairs,
                               const std::function<bool(const BedPairNumbers&)>& allowed, Rnd& generator) {
    const FieldGrid grid = position.grid();
    std::vector<std::pair<int, BedPairNumbers>> byLength;
    for (const BedPairNumbers& pair : pairs)
        byLength.push_back({routeLength(grid, pair), pair});
    std::stable_sort(byLength.begin(), byLength.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<BedPairNumbers> best;
    for (size_t first = 0; first < byLength.size() && best.empty();) {
        size_t end = first;
        for (; end < byLength.size() && byLength[end].first == byLength[first].first; ++end)
            if (allowed(byLength[end].second))
                best.push_back(byLength[end].second);
        first = end;
    }
    if (best.empty())
        for (size_t i = 0; i < byLength.size() && byLength[i].first == byLength[0].first; ++i)
            best.push_back(byLength[i].second);
    return best[size_t(generator.below(int32_t(best.size())))];
}

std::vector<int> bedsOfKind(const HarvestPosition& position, int kind) {
    std::vector<int> beds;
    for (PictureSet left = position.left(); !left.none(); left.reset(left.first()))
        if (position.kindAt(left.first()) == kind)
            beds.push_back(left.first());
    return beds;
}

bool joinableOn(const FieldGrid& grid, const std::vector<int>& two) {
    return routeLength(grid, {two[0], two[1]}) > 0;
}

// The last two pictures of `kind` and of some other kind stand so that neither pair can meet even
// when every other crop is gone: the field can no longer be cleared.
bool locksLastTwo(const HarvestPosition& position, int kind) {
    if (position.leftOfKind(kind) != 2)
        return false;
    const FieldGrid now = position.grid();
    const std::vector<int> mine = bedsOfKind(position, kind);
    if (joinableOn(now, mine))
        return false;
    FieldGrid bare = now;
    for (PictureSet left = position.left(); !left.none(); left.reset(left.first()))
        bare(PictureSet::colOf(left.first()), PictureSet::rowOf(left.first())) = kEmpty;
    for (int other = kFirstCrop; other <= kLastCrop; ++other) {
        if (other == kind || position.leftOfKind(other) != 2)
            continue;
        const std::vector<int> theirs = bedsOfKind(position, other);
        FieldGrid two = bare;
        for (int bed : mine)
            two(PictureSet::colOf(bed), PictureSet::rowOf(bed)) = kind;
        for (int bed : theirs)
            two(PictureSet::colOf(bed), PictureSet::rowOf(bed)) = other;
        if (!joinableOn(two, mine) && !joinableOn(two, theirs))
            return true;
    }
    return false;
}

// Every picture of `kind` can be harvested now, pair after pair, with no other pair between.
bool emptiesInOneGo(const HarvestPosition& position, int kind) {
    if (position.leftOfKind(kind) == 0)
        return true;
    for (const BedPairNumbers& pair : position.joinable())
        if (position.kindAt(pair.first) == kind && emptiesInOneGo(after(position, pair), kind))
            return true;
    return false;
}

class Player {
public:
    explicit Player(ModelPlayer kind) : kind_(kind), reach_(kMostReachPositions) {}
    bool approximate() const { return reach_.approximate(); }

    BedPairNumbers choose(const HarvestPosition& position, const std::vector<BedPairNumbers>& joinable, Rnd& generator) {
        const auto survives = [&](int pairs) {
            return [&, pairs](const BedPairNumbers& pair) { return !reach_.stuckWithin(after(position, pair), pairs); };
        };
        switch (kind_) {
        case ModelPlayer::Tidy:
            return shortestAllowed(position, joinable, [](const BedPairNumbers&) { return true; }, generator);
        case ModelPlayer::Careful2:
            return shortestAllowed(position, joinable, survives(2), generator);
        case ModelPlayer::Careful4:
            return shortestAllowed(position, joinable, survives(4), generator);
        case ModelPlayer::Expert:
            break;
        }
        return expertChoice(position, joinable, generator);
    }

private:
    BedPairNumbers expertChoice(const HarvestPosition& position, const std::vector<BedPairNumbers>& joinable,
                                Rnd& generator) {
        const auto always = [](const BedPairNumbers&) { return true; };
        const auto left = [&](const BedPairNumbers& pair) { return position.leftOfKind(position.kindAt(pair.first)); };
        std::vector<BedPairNumbers> lastTwo, planned;
        for (const BedPairNumbers& pair : joinable) {
            if (left(pair) == 2)
                lastTwo.push_back(pair);
            else if (left(pair) <= kMostPlannedPictures && emptiesInOneGo(after(position, pair), position.kindAt(pair.first)))
                planned.push_back(pair);
        }
        if (!lastTwo.empty())
            return shortestAllowed(position, lastTwo, always, generator);
        if (!planned.empty())
            return shortestAllowed(position, planned, always, generator);
        return shortestAllowed(
            position, joinable,
            [&](const BedPairNumbers& pair) {
                const HarvestPosition next = after(position, pair);
                return !locksLastTwo(next, position.kindAt(pair.first)) &&
                       !reach_.stuckWithin(next, kExpertSafePairs);
            },
            generator);
    }

    ModelPlayer kind_;
    Reach reach_;
};
}  // namespace

const char* modelPlayerName(ModelPlayer player) {
    switch (player) {
    case ModelPlayer::Tidy:
        return "tidy";
    case ModelPlayer::Careful2:
        return "careful-2";
    case ModelPlayer::Careful4:
        return "careful-4";
    case ModelPlayer::Expert:
        return "expert";
    }
    return "";
}

ModelFigures playModelGames(const FieldGrid& field, ModelPlayer player, int games, int32_t seed) {
    Rnd generator;
    generator.restart(seed);
    ModelFigures figures;
    int won = 0;
    std::vector<int> gaps;
    long work = 0;
    for (int game = 0; game < games; ++game) {
        Player model(player);
        std::vector<HarvestPosition> positions{HarvestPosition(field)};
        for (;;) {
            const std::vector<BedPairNumbers> joinable = positions.back().joinable();
            if (joinable.empty())
                break;
            positions.push_back(after(positions.back(), model.choose(positions.back(), joinable, generator)));
        }
        figures.approximate = figures.approximate || model.approximate();
        if (positions.back().cleared())
            ++won;
        else if (int(gaps.size()) < kGapOrders && work < kMostGapPositions)
            gaps.push_back(pairsAfterFatalPair(positions, work, figures.approximate));
        else if (work >= kMostGapPositions)
            figures.approximate = true;
    }
    figures.share = games == 0 ? 0.0 : double(won) / games;
    figures.medianGap = gaps.empty() ? 0.0 : median(gaps);
    return figures;
}
