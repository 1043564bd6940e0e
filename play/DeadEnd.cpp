#include "play/DeadEnd.h"

#include <random>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "menu/GameEnd.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/Route.h"
#include "solver/Reshuffle.h"
#include "ui/Events.h"
#include "ui/Messages.h"

namespace {
// The search for a deal that clears stops now and then so the window keeps answering.
const ReshuffleTime kReshuffleTime{std::chrono::milliseconds(500), std::chrono::milliseconds(40), DoEvents};
constexpr int32_t kUnitsForAReshuffle = 2;

void endStuckGame() {
    ShowGameOver();
    EndGame();
}

void redrawCrops(const FieldGrid& deal) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (deal(col, row) >= kFirstCrop) {
                G.CurrentSign = deal(col, row);
                AddZnak(kDrawSign, col, row);
            }
}
}  // namespace

void AnnounceDeadEnd() {
    if (G.GameMode != Mode::Playing || fieldBlocked() || G.PictureCount == 0 || firstJoinablePair(G.FieldGrid))
        return;
    if (G.BatteryCharge < kUnitsForAReshuffle || !someDealHasAPair(G.FieldGrid)) {
        MsgBox(QStringLiteral("Ходов больше нет."), MsgIcon::Information);
        endStuckGame();
        return;
    }
    const QString offer = QStringLiteral("Ходов больше нет. Перемешать оставшиеся посадки за одно деление аккумулятора?");
    if (MsgBox(offer, MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::Yes) == MsgAnswer::No) {
        endStuckGame();
        return;
    }
    // No input may reach the field while the search lets events through.
    G.Busy = FieldLock::Busy;
    redrawCrops(reshuffleCrops(G.FieldGrid, std::random_device{}(), kReshuffleTime));
    G.Busy = FieldLock::Free;
    spendBatteryUnit();
}
