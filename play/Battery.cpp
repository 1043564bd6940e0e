#include "play/Battery.h"

#include <algorithm>

#include "core/GameState.h"
#include "menu/GameEnd.h"
#include "play/DeadEnd.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
constexpr int kLampSize = 20;
constexpr int kSpentLampX = 20;  // in the lamp sheet; the lit lamp is at 0
}  // namespace

int lampX(int unit) { return 25 * unit + 12; }

void DrawLamp(int unit, bool spent) {
    Forma& f = forma();
    f.picAkamulyator.paintPicture(f.picAkamulyator2, lampX(unit), kLampTop, spent ? kSpentLampX : 0, 0, kLampSize,
                                  kLampSize);
}

void showBatteryCharge() {
    forma().picAkamulyator.cls();
    for (int unit = G.BatteryCharge; unit < kBatteryCapacity; ++unit)
        DrawLamp(unit, true);
}

// A flat battery stays at 0, so a game saved during the last blinking reads back.
void spendBatteryUnit() {
    // A unit spent while another still blinks: that lamp goes dark at once, not wherever it was.
    showBatteryCharge();
    G.LampBlinks = kLampBlinkTicks;
    G.BatteryCharge = std::max(G.BatteryCharge - 1, 0);
    forma().TimerAkamulyator.setEnabled(true);
}

void TimerAkamulyatorLampa() {
    Forma& f = forma();
    DrawLamp(G.BatteryCharge, G.LampBlinks % 2 != 0);
    --G.LampBlinks;
    if (G.LampBlinks > 0)
        return;
    f.TimerAkamulyator.setEnabled(false);
    showBatteryCharge();
    f.picOchki.setVisible(false);
    f.picKirpich.setVisible(false);
    G.BatteryCheckDue = true;
    if (f.TimerRobot.isEnabled())
        return;  // the run's end gives the field back and looks at the battery
    G.Busy = FieldLock::Free;
    f.picPole.setFocus();
    FieldAtRest();
}

void FieldAtRest() {
    EndGameIfBatteryFlat();
    AnnounceDeadEnd();
}

void EndGameIfBatteryFlat() {
    if (!G.BatteryCheckDue)
        return;
    G.BatteryCheckDue = false;
    // A game that has already ended, by the last field or the battery, ends only once.
    if (G.GameMode != Mode::Playing || G.BatteryCharge >= 1)
        return;
    EndGameAfter(ShowGameOver);
}

void ShowGameOver() {
    QString text = QStringLiteral("Игра окончена!");
    if (G.BatteryCharge <= 0)
        text += QStringLiteral("\nУ робота сел аккамулятор.");
    MsgBox(text, MsgIcon::Information);
}
