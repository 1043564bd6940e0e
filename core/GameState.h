#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/FieldGrid.h"
#include "core/FieldRecords.h"
#include "core/Rules.h"
#include "play/Route.h"
#include "solver/Pictures.h"

// What the main window is doing. The numbers are the game's own and never change.
enum class Mode : int32_t { NothingBegun = 0, Sowing = 1, Playing = 2, Over = 3 };
// Whether field input is kept away: while a field is laid out, the tractor runs or the robot runs.
enum class FieldLock : int32_t { Free = 0, Busy = 1 };

// The game's shared state: one instance for the whole run, reset as a whole by tests.
struct GameState {
    ::Mode GameMode = Mode::NothingBegun;
    ::FieldGrid FieldGrid;
    // During play the crops left on the field; while saving a field, all occupied cells.
    int32_t PictureCount = 0;
    // The field's own shuffle switch, and the one a new field in the editor starts with.
    int32_t ShuffleKinds = 0;
    int32_t ShuffleKindsDefault = 0;
    // 1: a field for play is drawn at once instead of being sown by the tractor.
    int32_t NoTractor = 0;

    QString AppFolder;    // the program's folder, ending in "/"
    QString FieldFolder;  // AppFolder + "Pole/"
    QString FieldFileName;   // the field shown; empty for a new field and the start field
    QString GameFileName;    // the saved game last written or read
    QString FirstFieldName;  // the entry chosen when the game began, or "Начало"
    QString LastFieldName;   // lower-case name of the field most recently loaded as a level
    QStringList PlayedFields;     // lower-case names already played in this game
    int32_t LevelNumber = 0;

    // Field input and the cursor square.
    FieldLock Busy = FieldLock::Free;
    int32_t FieldPressed = 0;  // a press began on the field while it was not busy
    int32_t CursorCol = 0;
    int32_t CursorRow = 0;
    int32_t CurrentSign = 0; // the picture AddZnak draws; the first pick's kind; the sowing choice

    // Picking a pair and the robot's run.
    int32_t PickCol = -1;    // the first pick, -1 when none; the tractor's cell while it runs
    int32_t PickRow = 0;
    int32_t TargetCol = 0;
    int32_t TargetRow = 0;
    std::vector<PathPoint> RobotPath = std::vector<PathPoint>(1);
    int32_t PathStep = -1;
    int32_t PathLength = 0;
    int32_t Harvest = 0;
    // The hinted pair while its yellow rings show, and the rest of the order it begins, when that
    // order clears the field.
    std::optional<BedPair> HintRings;
    // Its route while it shows: the centres of the two beds and of each turn between, in field pixels.
    std::vector<PathPoint> HintRoute;
    std::vector<HarvestStep> HintOrderRest;
    // The pairs harvested on this level, oldest first, for the player's step back.
    struct HarvestedPair {
        BedPair beds;
        int32_t sign;
    };
    std::vector<HarvestedPair> HarvestHistory;

    // The battery.
    int32_t BatteryCharge = kBatteryCapacity;
    int32_t LampBlinks = 0;
    // A blinking ended during a run: the run's end decides whether the battery ends the game.
    bool BatteryCheckDue = false;
    // The game's end waits for a modal window to close; the field takes no input meanwhile.
    bool EndWaits = false;

    // The in-window menu: its captions, the highlighted entry, the right end of the highlight bar,
    // and what the menu button's press found.
    QStringList MenuItems;
    int32_t MenuHot = 0;
    int32_t MenuBarRight = 0;
    bool MenuWasShown = false;
    bool MenuClosedByButton = false;  // a press on the menu button took the open menu's focus

    // 1 while the field dialog opens a field to sow on, 0 while it saves the field being sown.
    int32_t FieldDialogOpens = 0;
    // A pick is being handled: events processed in its middle must not start another.
    bool Picking = false;

    // The occupied cells the last field check found, in row-major order: what a field file stores.
    std::vector<CellRecord> SownCells;

    int32_t PlayedFieldsLast() const { return int32_t(PlayedFields.size()) - 1; }
};

extern GameState G;

// Every piece of the game's mutable state back to a fresh start: the game, the editor's history and
// the players.
void resetState();
