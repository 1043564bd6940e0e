#pragma once
// The players file and the leaders file as the game reads them at start-up and writes them.

void ReadIgrokov();
// Writes the players; a failure is reported and leaves PlayersChanged at 1 for the next try.
void SaveIgrokov();
void ReadLiderov();
// Writes the board under a new seed; a failure is reported and the file on disk stays as it was.
void SaveLiderov();
