#include "core/FieldDisplay.h"

#include <array>

#include "core/GameState.h"
#include "core/Rnd.h"
#include "editor/History.h"
#include "editor/Sowing.h"
#include "play/FieldInput.h"
#include "play/Hint.h"
#include "play/Tractor.h"
#include "ui/Forma.h"

namespace {
// A fresh one-to-one exchange of the crop kinds 2..33.
std::array<int32_t, kLastCrop + 1> cropPermutation() {
    std::array<int32_t, kLastCrop + 1> kinds{};
    Rnd& generator = rnd();
    generator.randomize();
    generator.restart(generator.below(3200000) + 1);
    for (int32_t kind = kFirstCrop; kind <= kLastCrop; ++kind) {
        int32_t k;
        do
            k = generator.below(32) + kFirstCrop;
        while (kinds[size_t(k)] != 0);
        kinds[size_t(k)] = kind;
    }
    return kinds;
}

void showEditorControls(bool editing) {
    Forma& f = forma();
    f.lblNameFile.setVisible(editing);
    f.selZnak.setVisible(editing);
    f.picShowZnak.setVisible(editing);
    f.picPeresadka.setVisible(editing);
    f.picOtmenit.cls();
    f.picPovtorit.cls();
    f.picOtmenit.setVisible(editing);
    f.picPovtorit.setVisible(editing);
    f.picUroven.setVisible(!editing);
    f.picKG.setVisible(!editing);
    f.picAkamulyator.setVisible(!editing);
    f.imgRobot.setVisible(false);
    f.imgRobot2.setVisible(true);
}
}  // namespace

void AddZnak(AddZnakMode mode, int col, int row) {
    Forma& f = forma();
    const int x = cellX(col) + kPictureInset;
    const int y = cellY(row) + kPictureInset;
    if (mode == kEraseCell) {
        G.FieldGrid(col, row) = kEmpty;
        f.picPole.fillBox(x, y, x + kPictureWidth - 1, y + kPictureHeight - 1, f.picPole.backColour());
        return;
    }
    G.FieldGrid(col, row) = G.CurrentSign;
    f.picPole.paintPicture(f.picZnaki, x, y, kPictureWidth * (G.CurrentSign - 1), 0, kPictureWidth,
                           kPictureHeight);
}

void StopFieldActivity() {
    Forma& f = forma();
    f.TimerRobot.setEnabled(false);
    f.tmrTrakrtor.setEnabled(false);
    f.TimerAkamulyator.setEnabled(false);
    f.imgTraktor.setVisible(false);
    f.imgRobot.setVisible(false);
    f.imgRobot2.setVisible(true);
    f.picOchki.setVisible(false);
    f.picKirpich.setVisible(false);
    G.LampBlinks = 0;
    G.BatteryCheckDue = false;
    G.Busy = FieldLock::Free;
    tmrPodskazka_Timer();
}

void DrawGrid() {
    Surface& field = forma().picPole;
    for (int col = 0; col < kCols; ++col)
        for (int row = 0; row < kRows; ++row)
            field.outlineBox(cellX(col), cellY(row), cellX(col) + kCellWidth - 1, cellY(row) + kCellHeight - 1,
                             kBlack);
}

void NewPole() {
    Forma& f = forma();
    StopFieldActivity();
    f.picPole.cls();
    f.picZnaki.cls();
    const bool editing = G.GameMode == Mode::Sowing;
    if (editing) {
        f.lblNameFile.setCaption(QStringLiteral("Новое поле"));
        f.HScroll1.setValue(0);
        KursorKvadrat(0, 0);
        CHtoSeyat(0);
        G.FieldFileName.clear();
        if (G.ShuffleKindsDefault == 1)
            f.picPeresadka.paintWhole(f.picPeresadka2);
        else
            f.picPeresadka.cls();
        G.ShuffleKinds = G.ShuffleKindsDefault;
    }
    DrawGrid();
    showEditorControls(editing);
    KursorKvadrat(0, 0);
    G.FieldGrid.clear();
    resetHistory();
    G.HarvestHistory.clear();
    G.PickCol = -1;
}

void ShowPole(const std::vector<CellRecord>& records, PoleMode mode) {
    std::array<int32_t, kLastCrop + 1> kinds{};
    if (G.ShuffleKinds == 1)
        kinds = cropPermutation();
    NewPole();
    G.Busy = FieldLock::Busy;
    G.PictureCount = 0;
    const bool atOnce = G.NoTractor != 0 || mode == kForEditing;
    for (const CellRecord& record : records) {
        if (record.Sign == kEmpty)
            continue;
        G.CurrentSign = record.Sign;
        if (mode == kForPlay && record.Sign > kFence) {
            if (G.ShuffleKinds == 1)
                G.CurrentSign = kinds[size_t(record.Sign)];
            ++G.PictureCount;
        }
        if (atOnce)
            AddZnak(kDrawSign, record.Col, record.Row);
        else
            G.FieldGrid(record.Col, record.Row) = G.CurrentSign;
    }
    G.PickCol = -1;
    if (atOnce) {
        KursorKvadrat(0, 0);
        G.Busy = FieldLock::Free;
        return;
    }
    startTractor();
}
