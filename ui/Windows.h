#pragma once
// Opening the game's windows, without the callers knowing their widgets.

void showFrmForma();      // creates the main window on first use and shows it
void destroyFrmForma();   // tests start every case on a new window
void openFrmStart();      // the new-game dialog, modal
void openFrmIgroki();     // the players list, modal; CurrentPlayer -1 asks for a choice
void openFrmDoska();      // the honour board, modal
void openFrmHelp();       // the help page, modal
void openFrmOprog();      // the about window, modal
void openFrmFile();       // the field dialog, modal, in the mode FieldDialogOpens says
