#include "play/RobotRun.h"

#include "core/Digits.h"
#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/Rules.h"
#include "play/Battery.h"
#include "ui/Events.h"
#include "ui/Forma.h"

void DrawHarvest() { DrawDigits(forma().picKG, G.Harvest, kHarvestOnesX, 7); }

void showHarvest() {
    forma().picKG.cls();
    if (G.Harvest > 0)
        DrawHarvest();
}

void TimerDvigenieRobota() {
    Forma& f = forma();
    if (G.PathStep >= 0) {
        const PathPoint& at = G.RobotPath[size_t(G.PathStep)];
        f.imgRobot.move(at.X, at.Y);
    }
    DoEvents();
    ++G.PathStep;
    if (G.PathStep < G.PathLength)
        return;
    AddZnak(kEraseCell, G.TargetCol, G.TargetRow);
    G.PickCol = -1;
    f.TimerRobot.setEnabled(false);
    f.imgRobot.setVisible(false);
    f.imgRobot2.setVisible(true);
    if (G.Harvest < kMaxHarvest)
        ++G.Harvest;
    DrawHarvest();
    // Whichever of the robot and the lamp ends last gives the field back and looks at the battery.
    const bool lampBlinks = f.TimerAkamulyator.isEnabled();
    if (!lampBlinks) {
        G.Busy = FieldLock::Free;
        f.picPole.setFocus();
    }
    G.RobotPath.assign(1, PathPoint{});
    G.PictureCount -= 2;
    if (G.PictureCount == 0)
        NewUroven(-1);
    if (!lampBlinks)
        FieldAtRest();
}
