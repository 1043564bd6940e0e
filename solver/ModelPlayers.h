#pragma once
#include <array>
#include <cstdint>

#include "core/FieldGrid.h"

// Players modelled on how people play, to grade fields by: each sees only the field as it stands
// and a few pairs ahead, never the solver's answer.
//   tidy:      the joinable pair with the shortest route;
//   careful-k: the shortest pair after which k further pairs can still be harvested;
//   expert:    a kind's last two pictures when they meet; else the first pair of a kind it can
//              empty pair after pair; else the shortest pair that neither locks two kinds' last
//              pictures against each other nor stops play within three pairs.
// Ties between equally short routes are broken at random.
enum class ModelPlayer { Tidy, Careful2, Careful4, Expert };
constexpr std::array<ModelPlayer, 4> kModelPlayers{ModelPlayer::Tidy, ModelPlayer::Careful2, ModelPlayer::Careful4,
                                                   ModelPlayer::Expert};
constexpr int kModelGames = 1000;
const char* modelPlayerName(ModelPlayer player);

struct ModelFigures {
    double share = 0;          // of the games that empty the field
    double medianGap = 0;      // pairs between the fatal pair and the dead end in lost games; 0 when none
    bool approximate = false;  // a look-ahead or the solver ran out of its bound
};

// `games` games drawn from a generator started at `seed`.
ModelFigures playModelGames(const FieldGrid& field, ModelPlayer player, int games, int32_t seed);
