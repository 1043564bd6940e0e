#include "editor/FieldCheck.h"

#include "core/GameState.h"
#include "play/Flags.h"
#include "ui/Messages.h"

int AnalizPolya() {
    PairParityTable PairParity{};
    std::vector<CellRecord> occupied;
    int status = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            const int32_t v = G.FieldGrid(col, row);
            if (v <= kEmpty)
                continue;
            occupied.push_back({col, row, v});
            if (v > kFence) {
                PairParity[size_t(v)] = {col, row, 1 - PairParity[size_t(v)].Odd};
                ClearFlag(col, row, v);  // a flag left from an earlier check
                status = 1;
            }
        }
    }
    G.PictureCount = int32_t(occupied.size());
    if (!occupied.empty())
        G.SownCells = std::move(occupied);
    for (int sign = kFirstCrop; sign <= kLastCrop; ++sign) {
        const ParityRecord& last = PairParity[size_t(sign)];
        if (last.Odd == 1) {
            SetFlag(last.Col, last.Row, sign);
            status = 2;
        }
    }
    if (status == 0) {
        MsgBox(QStringLiteral("Поле не засеяно."), MsgIcon::Critical);
        return 1;
    }
    if (status == 2) {
        MsgBox(QStringLiteral("Флажками отмечены картинки у которых нет пары."), MsgIcon::Critical);
        return 1;
    }
    return 0;
}
