#include "play/FieldInput.h"

#include <Qt>

#include "core/GameState.h"
#include "core/Geometry.h"
#include "editor/Sowing.h"
#include "menu/Menu.h"
#include "play/Battery.h"
#include "play/Flags.h"
#include "play/Hint.h"
#include "play/StepBack.h"
#include "play/VyborZnaka.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"

namespace {
// The key H types this letter under a Russian layout.
constexpr int kCyrillicEr = 0x0420;
constexpr int kCyrillicYa = 0x042F;  // the Z key under a Russian layout

bool insideField(int x, int y) { return x >= 0 && x < kFieldWidth && y >= 0 && y < kFieldHeight; }
}  // namespace

void drawCursorRing(int col, int row, Rgb colour) {
    forma().picPole.outlineBox(cellX(col) + 1, cellY(row) + 1, cellX(col) + kCellWidth - 2,
                               cellY(row) + kCellHeight - 2, colour);
}

void dropFirstPick() {
    if (G.PickCol < 0)
        return;
    ClearFlag(G.PickCol, G.PickRow, G.CurrentSign);
    G.PickCol = -1;
}

void KursorKvadrat(int col, int row) {
    drawCursorRing(G.CursorCol, G.CursorRow, forma().picPole.backColour());
    G.CursorCol = col;
    G.CursorRow = row;
    drawCursorRing(col, row, kGreen);
    redrawHintRings();
}

bool fieldBlocked() { return G.Busy == FieldLock::Busy || pickInProgress() || G.EndWaits; }

void picPole_MouseDown(int, int, int, int) {
    if (fieldBlocked())
        return;
    tmrPodskazka_Timer();
    G.FieldPressed = 1;
}

void picPole_MouseMove(int, int, int x, int y) {
    // The pick reads the cursor's cell; it must not move while a pick is handled.
    if (insideField(x, y) && !pickInProgress())
        KursorKvadrat(x / kCellWidth, y / kCellHeight);
}

void picPole_MouseUp(int button, int, int x, int y) {
    // A press that began before a run must not become a pick once the field is busy, and no
    // release, of any button, may touch a pick that is being handled.
    const bool taken = G.FieldPressed == 1 && insideField(x, y) && !fieldBlocked();
    G.FieldPressed = 0;
    if (!taken)
        return;
    // Redrawing the square here keeps it on the picked cell even when no move came first.
    KursorKvadrat(x / kCellWidth, y / kCellHeight);
    switch (G.GameMode) {
    case Mode::Sowing:
        PosevZnaka(MouseButton(button));
        break;
    case Mode::Playing:
        if (button == kLeftButton)
            VyborZnaka();
        else
            dropFirstPick();
        break;
    case Mode::Over:
        ShowGameOver();
        break;
    case Mode::NothingBegun:
        break;
    }
}

void picPole_KeyDown(int key, int shift) {
    if (fieldBlocked())
        return;
    const bool hintKey = key == Qt::Key_H || key == kCyrillicEr;
    if (hintKey && G.HintRings)
        return;  // the hint already shows: asking again changes nothing
    tmrPodskazka_Timer();
    switch (key) {
    case Qt::Key_F4:
        if (shift == kAlt)
            forma().close();
        return;
    case Qt::Key_F1:
        openFrmHelp();
        return;
    case Qt::Key_F10:
        OpenMenu();
        return;
    case Qt::Key_Up:
        if (G.CursorRow != 0)
            KursorKvadrat(G.CursorCol, G.CursorRow - 1);
        return;
    case Qt::Key_Down:
        if (G.CursorRow != kRows - 1)
            KursorKvadrat(G.CursorCol, G.CursorRow + 1);
        return;
    case Qt::Key_Left:
        if (G.CursorCol != 0)
            KursorKvadrat(G.CursorCol - 1, G.CursorRow);
        return;
    case Qt::Key_Right:
        if (G.CursorCol != kCols - 1)
            KursorKvadrat(G.CursorCol + 1, G.CursorRow);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (G.GameMode == Mode::Sowing)
            PosevZnaka(kLeftButton);
        else if (G.GameMode == Mode::Playing)
            VyborZnaka();
        else if (G.GameMode == Mode::Over)
            ShowGameOver();
        return;
    case Qt::Key_Delete:
        if (G.GameMode == Mode::Sowing)
            PosevZnaka(kRightButton);
        else if (G.GameMode == Mode::Playing)
            dropFirstPick();
        return;
    case Qt::Key_H:
    case kCyrillicEr:
        if (G.GameMode == Mode::Playing)
            Podskazka();
        return;
    case Qt::Key_Z:
    case kCyrillicYa:
        if (shift == kCtrl)
            OtmenaHoda();
        return;
    case Qt::Key_Backspace:
        OtmenaHoda();
        return;
    case Qt::Key_Home:
        if (G.GameMode == Mode::Sowing) {
            CHtoSeyat(0);
            forma().HScroll1.setValue(0);
        }
        return;
    case Qt::Key_End:
        if (G.GameMode == Mode::Sowing) {
            CHtoSeyat(kPictureWidth * (kSignCount - 1));
            forma().HScroll1.setValue(forma().HScroll1.maximum());
        }
        return;
    default:
        return;
    }
}

void picPole_LostFocus() {
    G.FieldPressed = 0;
    Forma& f = forma();
    if (!f.picMenu.isVisible())
        f.picPole.setFocus();
}

void picZnaki_MouseUp(int, int, int x, int y) {
    Forma& f = forma();
    // Only points over the visible window of the strip, and never beyond its last picture.
    const int windowRight = kPaletteWindow - f.picZnaki.left();
    if (x >= 0 && y >= 0 && y <= 399 && x <= windowRight && x < kPictureWidth * kSignCount)
        CHtoSeyat(x);
}
