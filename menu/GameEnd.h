#pragma once
// Ending a game, and leaving the program.

void EndGame();
// Runs on every close of the main window: 1 keeps the window open, 0 lets it close.
int UnloadGame();
