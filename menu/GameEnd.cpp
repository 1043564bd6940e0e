#include "menu/GameEnd.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/Settings.h"
#include "play/Sound.h"
#include "players/LeaderBoard.h"
#include "players/PlayersState.h"
#include "players/PlayersStore.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Windows.h"
#include "ui/Zoom.h"

void EndGame() {
    // Nothing may move on the field, or end the game a second time, once it is over.
    StopFieldActivity();
    G.GameMode = Mode::Over;
    G.EndWaits = false;
    ShowFieldTitle();
    if (!beatsTheBoard(P.Leaders, G.Harvest))
        return;
    if (MsgBox(recordQuestion(P.Leaders, G.Harvest), MsgIcon::Information, MsgButtons::YesNo) == MsgAnswer::No)
        return;  // the offer comes again when the program closes
    P.CurrentPlayer = -1;
    openFrmIgroki();
    if (P.CurrentPlayer == -1) {
        G.Harvest = 0;
        return;
    }
    P.RecordHolder = P.Players[P.CurrentPlayer].Name;
    const BoardEntry entry = enterResult(P.Leaders, P.Players[P.CurrentPlayer], G.Harvest);
    if (!entry.placed) {
        MsgBox(alreadyOnTheBoard(entry.heldScore), MsgIcon::Information);
        return;
    }
    openFrmDoska();
    P.LeadersChanged = 1;
    G.Harvest = 0;
}

void EndGameAfter(void (*notice)()) {
    G.EndWaits = true;
    whenNoModalWindow([notice] {
        if (!G.EndWaits)
            return;  // the program closed meanwhile, and its closing ended the game
        notice();
        EndGame();
    });
}

int UnloadGame() {
    if (G.GameMode == Mode::Sowing || G.GameMode == Mode::Playing) {
        if (MsgBox(QStringLiteral("Закрыть программу?"), MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) ==
            MsgAnswer::No)
            return 1;
    }
    EndGame();
    StopSounds();
    if (P.LeadersChanged == 1)
        SaveLiderov();
    Settings settings{G.ShuffleKindsDefault, G.NoTractor, G.LastFieldName, chosenZoom()};
    writeSettings(G.AppFolder + QStringLiteral("Tavik.ini"), settings);
    return 0;
}
