#include "solver/ModelPlayers.h"

#include <vector>

#include "core/Rnd.h"
#include "solver/LostOrders.h"
#include "solver/Reach.h"
#include "solver/ShortestPair.h"

namespace {
// Per game; enough for every bundled field, deeper searches are cut off and flagged.
constexpr long kMostReachPositions = 200000;
constexpr int kExpertSafePairs = 3;
// The most pictures of one kind the expert plans to clear in one go: as many as a person keeps
// in mind.
constexpr int kMostPlannedPictures = 6;

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
        if (position.kindAt(pair.first) == kind && emptiesInOneGo(position.after(pair), kind))
            return true;
    return false;
}

class Player {
public:
    explicit Player(ModelPlayer kind) : kind_(kind), reach_(kMostReachPositions) {}
    bool approximate() const { return reach_.approximate(); }

    BedPairNumbers choose(const HarvestPosition& position, const std::vector<BedPairNumbers>& joinable, Rnd& generator) {
        const auto survives = [&](int pairs) {
            return [&, pairs](const BedPairNumbers& pair) { return !reach_.stuckWithin(position.after(pair), pairs); };
        };
        switch (kind_) {
        case ModelPlayer::Tidy:
            return shortestOf(position, joinable, generator);
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
        const auto left = [&](const BedPairNumbers& pair) { return position.leftOfKind(position.kindAt(pair.first)); };
        std::vector<BedPairNumbers> lastTwo, planned;
        for (const BedPairNumbers& pair : joinable) {
            if (left(pair) == 2)
                lastTwo.push_back(pair);
            else if (left(pair) <= kMostPlannedPictures && emptiesInOneGo(position.after(pair), position.kindAt(pair.first)))
                planned.push_back(pair);
        }
        if (!lastTwo.empty())
            return shortestOf(position, lastTwo, generator);
        if (!planned.empty())
            return shortestOf(position, planned, generator);
        return shortestAllowed(
            position, joinable,
            [&](const BedPairNumbers& pair) {
                const HarvestPosition next = position.after(pair);
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
    GapTally gaps;
    for (int game = 0; game < games; ++game) {
        Player model(player);
        const std::vector<HarvestPosition> positions =
            playedOrder(field, [&](const HarvestPosition& position, const std::vector<BedPairNumbers>& joinable) {
                return model.choose(position, joinable, generator);
            });
        figures.approximate = figures.approximate || model.approximate();
        if (positions.back().cleared())
            ++won;
        else if (gaps.wantsMore())
            gaps.add(positions);
    }
    figures.share = games == 0 ? 0.0 : double(won) / games;
    figures.medianGap = gaps.median();
    figures.approximate = figures.approximate || gaps.approximate();
    return figures;
}
