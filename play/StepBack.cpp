#include "play/StepBack.h"

#include <algorithm>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/RobotRun.h"
#include "ui/Messages.h"

namespace {
// As for a hint: a step back may never be what empties the battery.
constexpr int32_t kUnitsForAStepBack = 2;
}  // namespace

void OtmenaHoda() {
    if (G.GameMode != Mode::Playing || G.HarvestHistory.empty())
        return;
    if (G.BatteryCharge < kUnitsForAStepBack) {
        MsgBox(QStringLiteral("Отмены нет: аккумулятор почти разряжен."), MsgIcon::Information);
        return;
    }
    dropFirstPick();
    const GameState::HarvestedPair pair = G.HarvestHistory.back();
    G.HarvestHistory.pop_back();
    G.CurrentSign = pair.sign;
    AddZnak(kDrawSign, pair.beds.fromCol, pair.beds.fromRow);
    AddZnak(kDrawSign, pair.beds.toCol, pair.beds.toRow);
    G.PictureCount += 2;
    G.Harvest = std::max(G.Harvest - 1, 0);
    showHarvest();
    // The order a hint worked out belongs to the field before the pair came back.
    G.HintOrderRest.clear();
    spendBatteryUnit();
}
