#pragma once
// Opening the game's windows, without the callers knowing their widgets.

void showFrmForma();      // creates the main window on first use and shows it
void destroyFrmForma();   // tests start every case on a new window
void openFrmStart();      // the new-game dialog, modal
