#include "play/Hint.h"

#include "core/GameState.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "solver/Advice.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
constexpr int32_t kUnitsForAHint = 2;

void drawHintRings(Rgb colour) {
    const BedPair& pair = *G.HintRings;
    drawCursorRing(pair.fromCol, pair.fromRow, colour);
    drawCursorRing(pair.toCol, pair.toRow, colour);
}
}  // namespace

void Podskazka() {
    if (G.BatteryCharge < kUnitsForAHint) {
        MsgBox(QStringLiteral("Подсказки нет: аккумулятор почти разряжен."), MsgIcon::Information);
        return;
    }
    const Advice advice = advisePair(G.FieldGrid, kHintBudget, G.HintOrderRest);
    if (!advice.pair)
        return;  // a field without a joinable pair is announced as a dead end
    if (advice.verdict == Verdict::NotHarvestable)
        MsgBox(QStringLiteral("Поле уже не убрать целиком."), MsgIcon::Information);
    tmrPodskazka_Timer();
    dropFirstPick();
    spendBatteryUnit();
    const HarvestStep& step = *advice.pair;
    G.HintOrderRest = advice.rest();
    G.HintRings = BedPair{step.fromCol, step.fromRow, step.toCol, step.toRow};
    KursorKvadrat(step.fromCol, step.fromRow);
    forma().tmrPodskazka.setEnabled(true);
}

void tmrPodskazka_Timer() {
    forma().tmrPodskazka.setEnabled(false);
    if (!G.HintRings)
        return;
    drawHintRings(forma().picPole.backColour());
    G.HintRings.reset();
    // The cursor may stand on one of the beds.
    KursorKvadrat(G.CursorCol, G.CursorRow);
}

void redrawHintRings() {
    if (G.HintRings)
        drawHintRings(kYellow);
}
