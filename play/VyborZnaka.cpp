#include "play/VyborZnaka.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "play/Battery.h"
#include "play/Flags.h"
#include "play/Route.h"
#include "play/Sound.h"
#include "ui/Events.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
struct PickGuard {
    PickGuard() { G.Picking = true; }
    ~PickGuard() { G.Picking = false; }
};

void wrongPick() {
    PlayAvariya();
    spendBatteryUnit();
}

void startRun() {
    Forma& f = forma();
    G.Busy = FieldLock::Busy;
    f.imgRobot2.setVisible(false);
    f.imgRobot.move(iconX(G.PickCol), iconY(G.PickRow));
    f.imgRobot.setVisible(true);
    DoEvents();
    // Only two neighbours give a route this short; they run at half speed.
    f.TimerRobot.setInterval(G.PathLength >= 4 ? 50 : 100);
    f.TimerRobot.setEnabled(true);
    G.HarvestHistory.push_back({{G.PickCol, G.PickRow, G.TargetCol, G.TargetRow}, G.CurrentSign});
    AddZnak(kEraseCell, G.PickCol, G.PickRow);
}

void secondOfPair(int sign) {
    G.TargetCol = G.CursorCol;
    G.TargetRow = G.CursorRow;
    SetFlag(G.TargetCol, G.TargetRow, sign);
    DoEvents();
    std::vector<PathPoint> route = routeBetween(G.FieldGrid, G.PickCol, G.PickRow, G.TargetCol, G.TargetRow);
    if (route.empty()) {
        forma().picKirpich.setVisible(true);
        ClearFlag(G.PickCol, G.PickRow, G.CurrentSign);
        ClearFlag(G.TargetCol, G.TargetRow, G.CurrentSign);
        G.PickCol = -1;
        G.RobotPath.assign(1, PathPoint{});
        wrongPick();
        return;
    }
    G.PathLength = int32_t(route.size()) - 1;
    G.PathStep = -1;
    G.RobotPath = std::move(route);
    startRun();
}
}  // namespace

bool pickInProgress() { return G.Picking; }

void VyborZnaka() {
    if (G.Picking)
        return;
    PickGuard guard;
    const int32_t v = G.FieldGrid(G.CursorCol, G.CursorRow);
    if (v == kEmpty)
        return;
    if (v == kFence) {
        MsgBox(QStringLiteral("Нам забор не нужен."), MsgIcon::Information);
        return;
    }
    if (G.PickCol == -1) {
        G.PickCol = G.CursorCol;
        G.PickRow = G.CursorRow;
        G.CurrentSign = v;
        SetFlag(G.PickCol, G.PickRow, v);
        return;
    }
    if (G.CursorCol == G.PickCol && G.CursorRow == G.PickRow) {
        ClearFlag(G.PickCol, G.PickRow, G.CurrentSign);
        G.PickCol = -1;
        return;
    }
    if (v != G.CurrentSign) {
        forma().picOchki.setVisible(true);
        ClearFlag(G.PickCol, G.PickRow, G.CurrentSign);
        G.PickCol = -1;
        wrongPick();
        return;
    }
    secondOfPair(v);
}
