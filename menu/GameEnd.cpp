#include "menu/GameEnd.h"

#include "core/GameState.h"
#include "core/Settings.h"
#include "play/Sound.h"
#include "ui/Messages.h"

void EndGame() { G.GameMode = 3; }

int UnloadGame() {
    if (G.GameMode == 1 || G.GameMode == 2) {
        if (MsgBox(QStringLiteral("Закрыть программу?"), MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) ==
            MsgAnswer::No)
            return 1;
    }
    EndGame();
    StopSounds();
    Settings settings{G.ShuffleKindsDefault, G.NoTractor, G.LastFieldName};
    writeSettings(G.AppFolder + QStringLiteral("Tavik.ini"), settings);
    return 0;
}
