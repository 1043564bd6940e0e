#include "play/Tractor.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "play/DeadEnd.h"
#include "play/FieldInput.h"
#include "ui/Forma.h"

void startTractor() {
    Forma& f = forma();
    G.PickRow = 0;
    f.imgTraktor.move(iconX(0), iconY(0));
    f.imgRobot2.setVisible(false);
    f.imgTraktor.setVisible(true);
    f.tmrTrakrtor.setInterval(50);
    f.tmrTrakrtor.setEnabled(true);
}

void Traktor() {
    Forma& f = forma();
    ++G.PickCol;
    f.imgTraktor.move(iconX(G.PickCol), iconY(G.PickRow));
    G.CurrentSign = G.FieldGrid(G.PickCol, G.PickRow);
    if (G.CurrentSign > kEmpty)
        AddZnak(kDrawSign, G.PickCol, G.PickRow);
    if (G.PickCol < kCols - 1)
        return;
    ++G.PickRow;
    G.PickCol = -1;
    if (G.PickRow < kRows)
        return;
    f.tmrTrakrtor.setEnabled(false);
    f.imgTraktor.setVisible(false);
    f.imgRobot2.setVisible(true);
    G.Busy = FieldLock::Free;
    KursorKvadrat(0, 0);
    f.picPole.setFocus();
    G.PickCol = -1;
    AnnounceDeadEnd();
}
