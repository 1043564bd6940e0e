#include "core/GameState.h"

#include "editor/History.h"
#include "players/PlayersState.h"

GameState G;

void resetState() {
    G = GameState{};
    H = HistoryState{};
    P = PlayersState{};
}
