#include "players/PlayersState.h"

PlayersState P;
