#pragma once
#include <QString>
#include <cstdint>

#include "players/LeadersFormat.h"
#include "players/PlayersFormat.h"

// Entering a game's result on the honour board.

// Only a harvest strictly above the fifth place gets on the board.
bool beatsTheBoard(const LeaderBoard& board, int32_t harvest);
// The question that offers a place, with the present leaders when there are any.
QString recordQuestion(const LeaderBoard& board, int32_t harvest);

struct BoardEntry {
    bool placed = false;
    int32_t heldScore = 0;  // when not placed: the player's better or equal result already there
};
// Puts the player on the board below any equal results, dropping their own weaker entry first.
// Expects beatsTheBoard(board, harvest).
BoardEntry enterResult(LeaderBoard& board, const Player& player, int32_t harvest);
// The refusal when the player's own result on the board is as good.
QString alreadyOnTheBoard(int32_t heldScore);
