#include "core/GameState.h"

GameState G;
