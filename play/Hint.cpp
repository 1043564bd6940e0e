#include "play/Hint.h"

#include <algorithm>

#include "core/GameState.h"
#include "core/Geometry.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/Flags.h"
#include "solver/Advice.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
constexpr int32_t kUnitsForAHint = 2;
// The route's line: yellow, kRouteHalf pixels either side of its middle, in a dark edge one more.
constexpr int kRouteHalf = 1;
constexpr Rgb kRouteEdge = 0x3A2A00;

// The robot's image stands at a route point; its middle is the middle of the bed under it.
constexpr int kIconHalf = 16;
PathPoint bedCentre(int col, int row) { return {iconX(col) + kIconHalf, iconY(row) + kIconHalf}; }

// The pair's beds and the robot's turns between them: the points where its direction changes.
std::vector<PathPoint> routeCorners(const BedPair& pair) {
    const std::vector<PathPoint> path = routeBetween(G.FieldGrid, pair.fromCol, pair.fromRow, pair.toCol, pair.toRow);
    std::vector<PathPoint> corners{bedCentre(pair.fromCol, pair.fromRow)};
    const auto step = [&](size_t i) { return PathPoint{path[i + 1].X - path[i].X, path[i + 1].Y - path[i].Y}; };
    for (size_t i = 1; i + 1 < path.size(); ++i)
        if (step(i - 1) != step(i))
            corners.push_back({path[i].X + kIconHalf, path[i].Y + kIconHalf});
    corners.push_back(bedCentre(pair.toCol, pair.toRow));
    return corners;
}

void drawRoute(int half, Rgb colour) {
    const std::vector<PathPoint>& route = G.HintRoute;
    for (size_t i = 0; i + 1 < route.size(); ++i) {
        const PathPoint a = route[i], b = route[i + 1];
        forma().picPole.fillBox(std::min(a.X, b.X) - half, std::min(a.Y, b.Y) - half, std::max(a.X, b.X) + half,
                                std::max(a.Y, b.Y) + half, colour);
    }
}

// The hint's ring, two pixels wide over the cell's outline and the cursor's ring.
void drawHintRing(int col, int row, Rgb colour) {
    forma().picPole.outlineBox(cellX(col), cellY(row), cellX(col) + kCellWidth - 1, cellY(row) + kCellHeight - 1,
                               colour);
    drawCursorRing(col, row, colour);
}

// A cell as the field shows it without the hint: outline, picture, flag.
void redrawCell(int col, int row) {
    Forma& f = forma();
    const int x = cellX(col), y = cellY(row);
    f.picPole.fillBox(x, y, x + kCellWidth - 1, y + kCellHeight - 1, f.picPole.backColour());
    f.picPole.outlineBox(x, y, x + kCellWidth - 1, y + kCellHeight - 1, kBlack);
    if (const int sign = G.FieldGrid(col, row); sign != kEmpty)
        f.picPole.paintPicture(f.picZnaki, x + kPictureInset, y + kPictureInset, kPictureWidth * (sign - 1), 0,
                               kPictureWidth, kPictureHeight);
    if (col == G.PickCol && row == G.PickRow)
        SetFlag(col, row, G.CurrentSign);
}

// Every cell the route and the rings cover, from bed to bed.
void redrawHintCells() {
    const std::vector<PathPoint>& route = G.HintRoute;
    for (size_t i = 0; i + 1 < route.size(); ++i) {
        int col = route[i].X / kCellWidth, row = route[i].Y / kCellHeight;
        const int toCol = route[i + 1].X / kCellWidth, toRow = route[i + 1].Y / kCellHeight;
        for (;;) {
            redrawCell(col, row);
            if (col == toCol && row == toRow)
                break;
            col += (toCol > col) - (toCol < col);
            row += (toRow > row) - (toRow < row);
        }
    }
}

bool isHinted(int col, int row) {
    const BedPair& pair = *G.HintRings;
    return (col == pair.fromCol && row == pair.fromRow) || (col == pair.toCol && row == pair.toRow);
}
}  // namespace

void Podskazka() {
    if (G.HintRings)
        return;  // the pair already shows: a second look is free
    if (G.BatteryCharge < kUnitsForAHint) {
        MsgBox(QStringLiteral("Подсказки нет: аккумулятор почти разряжен."), MsgIcon::Information);
        return;
    }
    const Advice advice = advisePair(G.FieldGrid, kHintBudget, G.HintOrderRest);
    if (!advice.pair)
        return;  // a field without a joinable pair is announced as a dead end
    if (advice.verdict == Verdict::NotHarvestable)
        MsgBox(QStringLiteral("Поле уже не убрать целиком."), MsgIcon::Information);
    spendBatteryUnit();
    const HarvestStep& step = *advice.pair;
    G.HintOrderRest = advice.rest();
    G.HintRings = BedPair{step.fromCol, step.fromRow, step.toCol, step.toRow};
    // A first pick on one of the pair is the player's own start of it.
    if (G.PickCol >= 0 && !isHinted(G.PickCol, G.PickRow))
        dropFirstPick();
    G.HintRoute = routeCorners(*G.HintRings);
    KursorKvadrat(step.fromCol, step.fromRow);
    forma().tmrPodskazka.setEnabled(true);
}

void tmrPodskazka_Timer() {
    forma().tmrPodskazka.setEnabled(false);
    if (!G.HintRings)
        return;
    redrawHintCells();
    G.HintRings.reset();
    G.HintRoute.clear();
    // The cursor may stand on one of the beds.
    KursorKvadrat(G.CursorCol, G.CursorRow);
}

void redrawHintRings() {
    if (!G.HintRings)
        return;
    drawRoute(kRouteHalf + 1, kRouteEdge);
    drawRoute(kRouteHalf, kYellow);
    drawHintRing(G.HintRings->fromCol, G.HintRings->fromRow, kYellow);
    drawHintRing(G.HintRings->toCol, G.HintRings->toRow, kYellow);
}
