#include "editor/Sowing.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "editor/History.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"

void CHtoSeyat(int x) {
    Forma& f = forma();
    const int k = x / kPictureWidth;
    G.CurrentSign = k + 1;
    f.picZnaki.cls();
    f.picShowZnak.paintPicture(f.picZnaki, 0, 0, kPictureWidth * k, 0, kPictureWidth, kPictureHeight);
    f.picZnaki.paintPicture(f.picFlagy, kPictureWidth * k + 16, 20, kFlagSize * k, 0, kFlagSize, kFlagSize);
}

void PosevZnaka(MouseButton button) {
    const bool remove = button == kRightButton;
    recordStep(G.FieldGrid(G.CursorCol, G.CursorRow), remove ? kEmpty : G.CurrentSign);
    AddZnak(remove ? kEraseCell : kDrawSign, G.CursorCol, G.CursorRow);
    showStepRecorded();
}

void picPeresadka_MouseUp(int, int, int x, int y) {
    if (x < 0 || x > 40 || y < 0 || y > 40)
        return;
    const int32_t on = 1 - G.ShuffleKinds;
    G.ShuffleKinds = on;
    G.ShuffleKindsDefault = on;
    Forma& f = forma();
    if (on == 0)
        f.picPeresadka.cls();
    else
        f.picPeresadka.paintWhole(f.picPeresadka2);
}
