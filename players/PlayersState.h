#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "core/CharTable.h"
#include "players/LeadersFormat.h"
#include "players/PlayersFormat.h"

// The players and the honour board for the whole run; tests reset it as a whole.
struct PlayersState {
    std::vector<Player> Players;  // entries above PlayersLast are left over and ignored
    int32_t PlayersLast = -1;
    // The opener of the players list sets it: -1 asks for a choice, which comes back here.
    int32_t CurrentPlayer = 0;
    int32_t PlayersChanged = 0;  // 1 while a change has not reached the players file
    QString RecordHolder;        // the name chosen at this run's last record, offered first next time

    LeaderBoard Leaders;
    CharTable LeadersCharTable{};  // the leaders file's unscrambling table, built at start-up
    int32_t LeadersChanged = 0;    // 1 once a game's end has put a result on the board
};
extern PlayersState P;
