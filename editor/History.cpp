#include "editor/History.h"

#include <QString>

#include "core/GameState.h"
#include "ui/Forma.h"

HistoryState H;

namespace {
constexpr int kButtonWidth = 33;
constexpr int kPressedX = 33;  // in the sheets; the available look is at 0

// A button's look: available or pressed from its sheet; cleared it shows "unavailable".
void look(Surface& button, const Surface& sheet, int sheetX) {
    button.paintPicture(sheet, 0, 0, sheetX, 0, kButtonWidth, sheet.height());
}

void redrawCell(const HistoryStep& step, int32_t value) {
    Forma& f = forma();
    const int x = cellX(step.Col) + kPictureInset;
    const int y = cellY(step.Row) + kPictureInset;
    if (value != kEmpty)
        f.picPole.paintPicture(f.picZnaki, x, y, kPictureWidth * (value - 1), 0, kPictureWidth, kPictureHeight);
    else
        f.picPole.fillBox(x, y, x + kPictureWidth - 1, y + kPictureHeight - 1, f.picPole.backColour());
}

bool onButton(int x, int y) { return x >= 0 && x <= 33 && y >= 0 && y <= 29; }
}  // namespace

void resetHistory() { H = HistoryState{}; }

void recordStep(int32_t oldSign, int32_t newSign) {
    ++H.HistoryPos;
    if (H.HistoryPos >= int32_t(H.History.size()))
        H.History.resize(size_t(H.HistoryPos) + 1);
    H.HistoryCount = H.HistoryPos;
    H.History[size_t(H.HistoryPos)] = {G.CursorCol, G.CursorRow, oldSign, newSign};
}

void showStepRecorded() {
    Forma& f = forma();
    if (H.HistoryPos == 1)
        look(f.picOtmenit, f.picOtmenit2, 0);
    f.picPovtorit.cls();
}

void Izmenenit(int direction) {
    HistoryStep step;
    int32_t value;
    if (direction < 0) {
        step = H.History[size_t(H.HistoryPos)];
        --H.HistoryPos;
        value = step.OldSign;
    } else {
        ++H.HistoryPos;
        step = H.History[size_t(H.HistoryPos)];
        value = step.NewSign;
    }
    G.FieldGrid(step.Col, step.Row) = value;
    redrawCell(step, value);
    Forma& f = forma();
    f.lblNameFile.setCaption(QString::number(H.HistoryPos));
    if (H.HistoryPos == 0)
        f.picOtmenit.cls();
    if (direction == 1 && H.HistoryPos == 1)
        look(f.picOtmenit, f.picOtmenit2, 0);
    if (H.HistoryPos == H.HistoryCount)
        f.picPovtorit.cls();
    if (H.HistoryPos + 1 == H.HistoryCount)
        look(f.picPovtorit, f.picPovtorit2, 0);
}

void picOtmenit_MouseDown(int, int, int, int) {
    Forma& f = forma();
    if (H.HistoryPos >= 1)
        look(f.picOtmenit, f.picOtmenit2, kPressedX);
}

void picOtmenit_MouseUp(int, int, int x, int y) {
    if (H.HistoryPos == 0)
        return;
    Forma& f = forma();
    look(f.picOtmenit, f.picOtmenit2, 0);
    if (onButton(x, y))
        Izmenenit(-1);
}

void picPovtorit_MouseDown(int, int, int, int) {
    Forma& f = forma();
    if (H.HistoryPos < H.HistoryCount)
        look(f.picPovtorit, f.picPovtorit2, kPressedX);
}

void picPovtorit_MouseUp(int, int, int x, int y) {
    if (H.HistoryPos == H.HistoryCount)
        return;
    Forma& f = forma();
    look(f.picPovtorit, f.picPovtorit2, 0);
    if (onButton(x, y))
        Izmenenit(+1);
}
