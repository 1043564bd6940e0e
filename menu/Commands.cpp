#include "menu/Commands.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "editor/SaveField.h"
#include "menu/SavedGame.h"
#include "players/PlayersState.h"
#include "ui/Forma.h"
#include "ui/Windows.h"

void runCommand(const QString& caption) {
    if (caption == QStringLiteral("Новая игра")) {
        openFrmStart();
    } else if (caption == QStringLiteral("Продолжить игру")) {
        OpenGame();
    } else if (caption == QStringLiteral("Сохранить") || caption == QStringLiteral("Сохранить как...")) {
        if (G.GameMode == Mode::Playing)
            SaveGame(caption != QStringLiteral("Сохранить"));
        else if (G.GameMode == Mode::Sowing)
            SaveFile(caption != QStringLiteral("Сохранить"));
    } else if (caption == QStringLiteral("Засеять новое поле")) {
        G.GameMode = Mode::Sowing;
        NewPole();
    } else if (caption == QStringLiteral("Продолжить посев")) {
        ContinueSowing();
    } else if (caption == QStringLiteral("Список игроков")) {
        P.CurrentPlayer = 0;
        openFrmIgroki();
    } else if (caption == QStringLiteral("Доска почёта")) {
        openFrmDoska();
    } else if (caption == QStringLiteral("Справка")) {
        openFrmHelp();
    } else if (caption == QStringLiteral("О программе")) {
        openFrmOprog();
    } else if (caption == QStringLiteral("Выход")) {
        forma().close();
    }
}
