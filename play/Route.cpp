#include "play/Route.h"

#include <array>
#include <cstdlib>

namespace {

// Directions: 0 up, 1 right, 2 down, 3 left.
constexpr int kUp = 0;
constexpr int kRight = 1;
constexpr int kDown = 2;
constexpr int kLeft = 3;
constexpr int DirDX[4] = {0, 1, 0, -1};
constexpr int DirDY[4] = {-1, 0, 1, 0};

constexpr bool isVertical(int dir) { return dir == kUp || dir == kDown; }

class RouteSearch {
public:
    RouteSearch(const FieldGrid& grid, int fromCol, int fromRow, int toCol, int toRow)
        : grid_(grid), PickCol(fromCol), PickRow(fromRow), TargetCol(toCol), TargetRow(toRow) {}

    std::vector<PathPoint> run() {
        if (PickCol == TargetCol || PickRow == TargetRow) {
            int dir;
            int length;
            if (PickCol == TargetCol) {
                dir = PickRow > TargetRow ? kUp : kDown;
                length = std::abs(PickRow - TargetRow);
            } else {
                dir = PickCol > TargetCol ? kLeft : kRight;
                length = std::abs(PickCol - TargetCol);
            }
            PathStep = -1;
            int col = PickCol;
            int row = PickRow;
            if (walk(col, row, dir, length))
                return finish(dir);
        }

        for (int first = kUp; first <= kLeft; ++first) {
            PathStep = -1;
            int d = PickCol;
            int e = PickRow;
            int base = -1;
            for (;;) {
                AddPathStep(d, e, DirDX[first], DirDY[first]);
                base += 2;
                d += DirDX[first];
                e += DirDY[first];
                if (!insideGrid(d, e) || grid_(d, e) != kEmpty)
                    break;

                // (d, e) is a free corner; the rest of the route is forced from here.
                PathStep = base;
                int col = d;
                int row = e;
                const bool firstVertical = isVertical(first);
                const int second = firstVertical ? towardTargetCol(col) : towardTargetRow(row);
                const int secondLength = firstVertical ? std::abs(col - TargetCol) : std::abs(row - TargetRow);
                if (walk(col, row, second, secondLength)) {
                    if (col == TargetCol && row == TargetRow)
                        return finish(second);
                    const int third = firstVertical ? towardTargetRow(row) : towardTargetCol(col);
                    const int thirdLength = firstVertical ? std::abs(row - TargetRow) : std::abs(col - TargetCol);
                    if (walk(col, row, third, thirdLength))
                        return finish(third);
                }
                PathStep = base;
            }
        }
        return {};
    }

private:
    int towardTargetCol(int col) const { return col >= TargetCol ? kLeft : kRight; }
    int towardTargetRow(int row) const { return row <= TargetRow ? kDown : kUp; }

    // Writes are bounded by the array; a route that ran past it is refused in finish(), so a
    // mistake in the length arithmetic shows up as a lost route rather than a stray write.
    void AddPathStep(int col, int row, int dx, int dy) {
        const int x = iconX(col);
        const int y = iconY(row);
        if (PathStep + 1 < kRobotPathSize)
            RobotPath[PathStep + 1] = {x + dx * kCellWidth / 2, y + dy * kCellHeight / 2};
        if (PathStep + 2 < kRobotPathSize)
            RobotPath[PathStep + 2] = {x + dx * kCellWidth, y + dy * kCellHeight};
        PathStep += 2;
    }

    // Walks `length` cells, writing each step before its cell is tested. False when a cell other
    // than the target is occupied; (col, row) is then the blocking cell.
    bool walk(int& col, int& row, int dir, int length) {
        for (int i = 0; i < length; ++i) {
            AddPathStep(col, row, DirDX[dir], DirDY[dir]);
            col += DirDX[dir];
            row += DirDY[dir];
            if (!insideGrid(col, row))
                return false;
            if (grid_(col, row) != kEmpty && !(col == TargetCol && row == TargetRow))
                return false;
        }
        return true;
    }

    // The robot rolls one more cell past the target in the direction it arrived.
    std::vector<PathPoint> finish(int lastDir) {
        AddPathStep(TargetCol, TargetRow, DirDX[lastDir], DirDY[lastDir]);
        const int PathLength = PathStep;
        if (PathLength >= kRobotPathSize)
            return {};
        return std::vector<PathPoint>(RobotPath.begin(), RobotPath.begin() + PathLength + 1);
    }

    const FieldGrid& grid_;
    const int PickCol;
    const int PickRow;
    const int TargetCol;
    const int TargetRow;
    std::array<PathPoint, kRobotPathSize> RobotPath{};
    int PathStep = -1;
};

}  // namespace

std::vector<PathPoint> routeBetween(const FieldGrid& grid, int fromCol, int fromRow, int toCol, int toRow) {
    // A picture never pairs with itself, and cells off the field have no picture.
    if (!insideGrid(fromCol, fromRow) || !insideGrid(toCol, toRow) || (fromCol == toCol && fromRow == toRow))
        return {};
    return RouteSearch(grid, fromCol, fromRow, toCol, toRow).run();
}

namespace {

// Calls `found` for each joinable pair in order until it returns false.
template <typename Found>
void forEachJoinablePair(const FieldGrid& grid, Found found) {
    constexpr int kBeds = kCols * kRows;
    for (int a = 0; a < kBeds; ++a) {
        const int aCol = a % kCols;
        const int aRow = a / kCols;
        const int sign = grid(aCol, aRow);
        if (sign < kFirstCrop)
            continue;
        for (int b = a + 1; b < kBeds; ++b) {
            const int bCol = b % kCols;
            const int bRow = b / kCols;
            if (grid(bCol, bRow) == sign && !routeBetween(grid, aCol, aRow, bCol, bRow).empty() &&
                !found(BedPair{aCol, aRow, bCol, bRow}))
                return;
        }
    }
}

}  // namespace

std::vector<BedPair> joinablePairs(const FieldGrid& grid) {
    std::vector<BedPair> pairs;
    forEachJoinablePair(grid, [&](const BedPair& pair) {
        pairs.push_back(pair);
        return true;
    });
    return pairs;
}

std::optional<BedPair> firstJoinablePair(const FieldGrid& grid) {
    std::optional<BedPair> first;
    forEachJoinablePair(grid, [&](const BedPair& pair) {
        first = pair;
        return false;
    });
    return first;
}
