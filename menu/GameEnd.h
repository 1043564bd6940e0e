#pragma once
// Ending a game, and leaving the program.

void EndGame();
// Shows the notice that ends the game, then ends it, once no modal window is open: a record's
// players list must not open over another one. Only the moment moves.
void EndGameAfter(void (*notice)());
// Runs on every close of the main window: 1 keeps the window open, 0 lets it close.
int UnloadGame();
