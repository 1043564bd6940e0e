#include "menu/Commands.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "ui/Forma.h"
#include "ui/Windows.h"

void runCommand(const QString& caption) {
    if (caption == QStringLiteral("Новая игра")) {
        openFrmStart();
    } else if (caption == QStringLiteral("Засеять новое поле")) {
        G.GameMode = 1;
        NewPole();
    } else if (caption == QStringLiteral("Выход")) {
        forma().close();
    }
}
