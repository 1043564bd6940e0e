#include "menu/Commands.h"

#include <array>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "editor/SaveField.h"
#include "menu/SavedGame.h"
#include "players/PlayersState.h"
#include "ui/Forma.h"
#include "ui/Windows.h"

namespace {
// Saving means the game in play or the field being sown; before and after either, nothing.
void save(bool saveAs) {
    if (G.GameMode == Mode::Playing)
        SaveGame(saveAs);
    else if (G.GameMode == Mode::Sowing)
        SaveFile(saveAs);
}

void sowNewField() {
    G.GameMode = Mode::Sowing;
    ShowFieldTitle();
    NewPole();
}

void listPlayers() {
    P.CurrentPlayer = 0;
    openFrmIgroki();
}

constexpr std::array<MenuEntry, 11> kEntries{{
    {"Новая игра", openFrmStart},
    {"Продолжить игру", OpenGame},
    {"Сохранить", [] { save(false); }},
    {"Сохранить как...", [] { save(true); }},
    {"Засеять новое поле", sowNewField},
    {"Продолжить посев", ContinueSowing},
    {"Список игроков", listPlayers},
    {"Доска почёта", openFrmDoska},
    {"Справка", openFrmHelp},
    {"О программе", openFrmOprog},
    {"Выход", [] { forma().close(); }},
}};
}  // namespace

std::span<const MenuEntry> menuEntries() { return kEntries; }

void runCommand(const QString& caption) {
    for (const MenuEntry& entry : kEntries)
        if (caption == QString::fromUtf8(entry.caption)) {
            entry.command();
            return;
        }
}
