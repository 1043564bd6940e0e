#pragma once
// A field in play on which no pair can be joined any more: the player is told at once and may buy
// a new deal of the crops left for one battery unit, or the game ends.

// Looks for a joinable pair when the game waits for a pick; does nothing while one is left.
void AnnounceDeadEnd();
