#include <QtTest>

#include <array>
#include <deque>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "play/Route.h"

namespace {

struct Cell {
    int col;
    int row;
    bool operator==(const Cell&) const = default;
};

constexpr int kStepX[4] = {0, 1, 0, -1};  // up, right, down, left
constexpr int kStepY[4] = {-1, 0, 1, 0};
constexpr int kCrop = 7;                  // the picked pair
constexpr int kOtherCrop = 12;

PathPoint robotAt(Cell c) { return {iconX(c.col), iconY(c.row)}; }

struct Layout {
    FieldGrid grid;
    Cell from{};
    Cell to{};
};

// Field drawn as text, top row first: '.' free, '#' fence, 'o' another crop, 'F' and 'T' the pair.
Layout layoutFrom(std::initializer_list<const char*> rows) {
    Layout layout;
    if (rows.size() != kRows)
        qFatal("layout needs %d rows", kRows);
    int row = 0;
    for (const char* text : rows) {
        if (std::string(text).size() != kCols)
            qFatal("layout row %d needs %d cells", row, kCols);
        for (int col = 0; col < kCols; ++col) {
            switch (text[col]) {
            case '.': break;
            case '#': layout.grid(col, row) = kFence; break;
            case 'o': layout.grid(col, row) = kOtherCrop; break;
            case 'F': layout.grid(col, row) = kCrop; layout.from = {col, row}; break;
            case 'T': layout.grid(col, row) = kCrop; layout.to = {col, row}; break;
            default: qFatal("unknown layout cell '%c'", text[col]);
            }
        }
        ++row;
    }
    return layout;
}

// An otherwise empty field with the pair and a few other crops.
Layout fieldWith(Cell from, Cell to, std::initializer_list<Cell> others = {}) {
    Layout layout;
    layout.from = from;
    layout.to = to;
    layout.grid(from.col, from.row) = kCrop;
    layout.grid(to.col, to.row) = kCrop;
    for (Cell c : others)
        layout.grid(c.col, c.row) = kOtherCrop;
    return layout;
}

std::vector<PathPoint> route(const Layout& l) {
    return routeBetween(l.grid, l.from.col, l.from.row, l.to.col, l.to.row);
}

int sign(int v) { return (v > 0) - (v < 0); }

// The points the robot should pass going through the given cells (first = the picked cell), by
// half-cell interpolation, plus the two points one cell beyond the last.
std::vector<PathPoint> pointsThrough(const std::vector<Cell>& corners) {
    std::vector<PathPoint> points;
    PathPoint at = robotAt(corners.front());
    int sx = 0;
    int sy = 0;
    for (size_t i = 1; i < corners.size(); ++i) {
        const PathPoint end = robotAt(corners[i]);
        sx = sign(end.X - at.X) * kCellWidth / 2;
        sy = sign(end.Y - at.Y) * kCellHeight / 2;
        while (!(at == end)) {
            at = {at.X + sx, at.Y + sy};
            points.push_back(at);
        }
    }
    for (int i = 0; i < 2; ++i) {
        at = {at.X + sx, at.Y + sy};
        points.push_back(at);
    }
    return points;
}

QString describe(const std::vector<PathPoint>& points) {
    QStringList parts;
    for (const PathPoint& p : points)
        parts << QStringLiteral("(%1,%2)").arg(p.X).arg(p.Y);
    return QStringLiteral("%1 points: ").arg(points.size()) + parts.join(QLatin1Char(' '));
}

QString describe(const Layout& l) {
    QString text = QStringLiteral("F=(%1,%2) T=(%3,%4)\n").arg(l.from.col).arg(l.from.row).arg(l.to.col).arg(l.to.row);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            const Cell c{col, row};
            const int v = l.grid(col, row);
            text += c == l.from ? QLatin1Char('F') : c == l.to ? QLatin1Char('T')
                  : v == kEmpty ? QLatin1Char('.') : v == kFence ? QLatin1Char('#') : QLatin1Char('o');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

bool sameRoute(const std::vector<PathPoint>& got, const std::vector<PathPoint>& want, QString* why) {
    if (got == want)
        return true;
    *why = QStringLiteral("got  %1\nwant %2").arg(describe(got), describe(want));
    return false;
}

// What a route looks like once read back from its points.
struct RouteShape {
    std::vector<int> stepDirs;  // one per cell stepped, the extra step beyond the target included
    int segments = 0;
};

int dirOfHalfStep(int dx, int dy) {
    for (int d = 0; d < 4; ++d)
        if (dx == kStepX[d] * kCellWidth / 2 && dy == kStepY[d] * kCellHeight / 2)
            return d;
    return -1;
}

// Checks a route as a polyline on the field; returns what is wrong, or an empty string.
QString routeFault(const Layout& l, const std::vector<PathPoint>& points, RouteShape* shape) {
    if (points.size() < 4 || points.size() % 2 != 0)
        return QStringLiteral("odd or too short: %1 points").arg(points.size());
    if (points.size() > size_t(kRobotPathSize))
        return QStringLiteral("%1 points do not fit the robot's path").arg(points.size());

    PathPoint prev = robotAt(l.from);
    Cell cell = l.from;
    const size_t cellSteps = points.size() / 2;
    for (size_t step = 0; step < cellSteps; ++step) {
        const PathPoint half = points[2 * step];
        const PathPoint full = points[2 * step + 1];
        const int d1 = dirOfHalfStep(half.X - prev.X, half.Y - prev.Y);
        const int d2 = dirOfHalfStep(full.X - half.X, full.Y - half.Y);
        if (d1 < 0 || d1 != d2)
            return QStringLiteral("step %1 is not half a cell and then another half in one direction").arg(step);
        if (!shape->stepDirs.empty() && (shape->stepDirs.back() + 2) % 4 == d1)
            return QStringLiteral("step %1 turns straight back").arg(step);
        shape->stepDirs.push_back(d1);
        cell = {cell.col + kStepX[d1], cell.row + kStepY[d1]};
        if (!(robotAt(cell) == full))
            return QStringLiteral("step %1 misses the robot position of its cell").arg(step);
        prev = full;

        const bool beyondTarget = step + 1 == cellSteps;
        if (beyondTarget)
            break;
        if (!insideGrid(cell.col, cell.row))
            return QStringLiteral("step %1 leaves the grid").arg(step);
        const bool arrives = step + 2 == cellSteps;
        if (arrives && !(cell == l.to))
            return QStringLiteral("route ends on (%1,%2), not on the target").arg(cell.col).arg(cell.row);
        if (!arrives && l.grid(cell.col, cell.row) != kEmpty)
            return QStringLiteral("step %1 crosses occupied (%2,%3)").arg(step).arg(cell.col).arg(cell.row);
    }
    const std::vector<int>& dirs = shape->stepDirs;
    if (dirs[dirs.size() - 1] != dirs[dirs.size() - 2])
        return QStringLiteral("the step beyond the target turns");
    shape->segments = 1;
    for (size_t i = 1; i + 1 < dirs.size(); ++i)
        shape->segments += dirs[i] != dirs[i - 1];
    if (shape->segments > 3)
        return QStringLiteral("%1 segments").arg(shape->segments);
    return {};
}

// Reachability with at most two turns, by breadth-first search over (cell, heading, turns).
bool reachableWithTwoTurns(const Layout& l) {
    struct State { Cell cell; int dir; int turns; };
    std::array<std::array<std::array<std::array<bool, 3>, 4>, kRows>, kCols> seen{};
    std::deque<State> queue;
    auto enter = [&](Cell from, int dir, int turns) {
        const Cell next{from.col + kStepX[dir], from.row + kStepY[dir]};
        if (!insideGrid(next.col, next.row))
            return false;
        if (next == l.to)
            return true;
        if (l.grid(next.col, next.row) != kEmpty || seen[next.col][next.row][dir][turns])
            return false;
        seen[next.col][next.row][dir][turns] = true;
        queue.push_back({next, dir, turns});
        return false;
    };
    for (int dir = 0; dir < 4; ++dir)
        if (enter(l.from, dir, 0))
            return true;
    while (!queue.empty()) {
        const State s = queue.front();
        queue.pop_front();
        for (int dir = 0; dir < 4; ++dir) {
            if (dir == (s.dir + 2) % 4)
                continue;
            const int turns = s.turns + (dir != s.dir);
            if (turns <= 2 && enter(s.cell, dir, turns))
                return true;
        }
    }
    return false;
}

// The route the robot should take, found by trying every first corner in the order of preference
// and, for each, every cell on the crossing line as a second corner.
std::optional<std::vector<Cell>> preferredRoute(const Layout& l) {
    auto isFree = [&](Cell c) { return insideGrid(c.col, c.row) && l.grid(c.col, c.row) == kEmpty; };
    // Cells after a up to b on one line: free, except b may be the target.
    auto clearLine = [&](Cell a, Cell b) {
        if (a.col != b.col && a.row != b.row)
            return false;
        const int sx = sign(b.col - a.col);
        const int sy = sign(b.row - a.row);
        for (Cell c{a.col + sx, a.row + sy};; c = {c.col + sx, c.row + sy}) {
            if (c == b)
                return isFree(c) || c == l.to;
            if (!isFree(c))
                return false;
        }
    };

    if ((l.from.col == l.to.col || l.from.row == l.to.row) && clearLine(l.from, l.to))
        return std::vector<Cell>{l.from, l.to};
    for (int g = 0; g < 4; ++g) {
        for (int k = 1;; ++k) {
            const Cell k1{l.from.col + k * kStepX[g], l.from.row + k * kStepY[g]};
            if (!isFree(k1))
                break;
            const bool vertical = kStepX[g] == 0;
            const int across = vertical ? kCols : kRows;
            for (int i = 0; i < across; ++i) {
                const Cell k2 = vertical ? Cell{i, k1.row} : Cell{k1.col, i};
                if (k2 == l.to) {
                    if (clearLine(k1, k2))
                        return std::vector<Cell>{l.from, k1, l.to};
                    continue;
                }
                const bool linesUp = vertical ? k2.col == l.to.col : k2.row == l.to.row;
                if (!linesUp || !isFree(k2))
                    continue;
                if ((k2 == k1 || clearLine(k1, k2)) && clearLine(k2, l.to))
                    return std::vector<Cell>{l.from, k1, k2, l.to};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(std::vector<Cell>)

class RouteTest : public QObject {
    Q_OBJECT

private slots:
    void theRobotMovesByHalfCellsOnTheIconPlaces();
    void routesTakeThePreferredCorners_data();
    void routesTakeThePreferredCorners();
    void noRouteAroundTheBorder();
    void refusesCellsItCannotPair();
    void randomFieldsAgreeWithBruteForce();
    void listsTheJoinablePairs();
};

void RouteTest::theRobotMovesByHalfCellsOnTheIconPlaces() {
    // Neighbours across: half a cell, the target, and one cell beyond it; the point lists of every
    // other route are built the same way.
    const std::vector<PathPoint> right = route(fieldWith({3, 5}, {4, 5}));
    const std::vector<PathPoint> wantRight{{128, 204}, {146, 204}, {164, 204}, {182, 204}};
    QVERIFY2(right == wantRight, qPrintable(describe(right)));
}

void RouteTest::routesTakeThePreferredCorners_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<std::vector<Cell>>("corners");  // the picked cell, the turns, the target
    auto row = [](const char* name, const Layout& layout, std::vector<Cell> corners) {
        QTest::newRow(name) << layout << corners;
    };
    row("neighbours above one another, picked from below", fieldWith({3, 5}, {3, 4}), {{3, 5}, {3, 4}});
    row("a long clear row wins over turning routes", fieldWith({12, 5}, {2, 5}), {{12, 5}, {2, 5}});
    row("a long clear column", fieldWith({6, 0}, {6, 9}), {{6, 0}, {6, 9}});
    row("round a picture on the row", fieldWith({3, 5}, {7, 5}, {{5, 5}}), {{3, 5}, {3, 4}, {7, 4}, {7, 5}});
    row("up first although right-then-down is shorter", fieldWith({5, 5}, {6, 6}), {{5, 5}, {5, 4}, {6, 4}, {6, 6}});
    row("nearest corner going up", fieldWith({3, 5}, {7, 2}), {{3, 5}, {3, 4}, {7, 4}, {7, 2}});
    row("one turn when the nearest corner lines up", fieldWith({3, 5}, {7, 4}), {{3, 5}, {3, 4}, {7, 4}});
    row("next corner when the nearer one is blocked", fieldWith({3, 5}, {7, 5}, {{5, 5}, {5, 4}}),
        {{3, 5}, {3, 3}, {7, 3}, {7, 5}});
    row("right when up is walled", fieldWith({3, 5}, {7, 7}, {{3, 4}}), {{3, 5}, {4, 5}, {4, 7}, {7, 7}});
    row("down when up and right are walled", fieldWith({3, 5}, {7, 7}, {{3, 4}, {4, 5}}),
        {{3, 5}, {3, 6}, {7, 6}, {7, 7}});
    row("left last", fieldWith({3, 5}, {0, 2}, {{3, 4}, {4, 5}, {3, 6}}), {{3, 5}, {2, 5}, {2, 2}, {0, 2}});
    row("up exhausted on the top row", fieldWith({4, 0}, {9, 3}), {{4, 0}, {5, 0}, {5, 3}, {9, 3}});
    // Arriving leftwards on column 0, the robot rolls on past the field's edge.
    row("a U over to column 1 and back", layoutFrom({
        "................",
        "................",
        "F...............",
        "................",
        "o...............",
        "................",
        "T...............",
        "................",
        "................",
        "................",
    }), {{0, 2}, {1, 2}, {1, 6}, {0, 6}});
    row("a U two rows up when the nearer row is blocked", layoutFrom({
        "................",
        "................",
        "................",
        "......#.........",
        "..F...o...T.....",
        "................",
        "................",
        "................",
        "................",
        "................",
    }), {{2, 4}, {2, 2}, {10, 2}, {10, 4}});
    // Only the far corner of the top row opens downwards: the longest route fills the robot's path.
    row("15 right, 9 down, 15 left", layoutFrom({
        "F...............",
        "###############.",
        "###############.",
        "###############.",
        "###############.",
        "###############.",
        "###############.",
        "###############.",
        "###############.",
        "T...............",
    }), {{0, 0}, {15, 0}, {15, 9}, {0, 9}});
}

void RouteTest::routesTakeThePreferredCorners() {
    QFETCH(Layout, layout);
    QFETCH(std::vector<Cell>, corners);
    const std::vector<PathPoint> got = route(layout);
    QString why;
    QVERIFY2(sameRoute(got, pointsThrough(corners), &why), qPrintable(why));
    QVERIFY(int(got.size()) <= kRobotPathSize);
}

void RouteTest::noRouteAroundTheBorder() {
    // Column 0 pair blocked between and column 1 full: only a way outside the field would do.
    const Layout walled = layoutFrom({
        ".#..............",
        ".o..............",
        "F#..............",
        ".o..............",
        "o#..............",
        ".o..............",
        "T#..............",
        ".o..............",
        ".#..............",
        ".o..............",
    });
    QVERIFY2(route(walled).empty(), qPrintable(describe(route(walled))));

    // The same pair reaches round once one cell of column 1 opens in each of its rows.
    Layout opened = walled;
    for (int r = 2; r <= 6; ++r)
        opened.grid(1, r) = kEmpty;
    QVERIFY(!route(opened).empty());

    // Two corners on the top edge with the row between them blocked.
    const Layout edge = layoutFrom({
        "F......o.......T",
        "################",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    });
    QVERIFY(route(edge).empty());
}

void RouteTest::refusesCellsItCannotPair() {
    const Layout l = fieldWith({3, 5}, {4, 5});
    QVERIFY(routeBetween(l.grid, 3, 5, 3, 5).empty());
    QVERIFY(routeBetween(l.grid, 3, 5, kCols, 5).empty());
    QVERIFY(routeBetween(l.grid, -1, 5, 4, 5).empty());
    QVERIFY(routeBetween(l.grid, 3, kRows, 4, 5).empty());
}

void RouteTest::randomFieldsAgreeWithBruteForce() {
    struct Density { int percentFilled; int percentFence; };
    const Density densities[] = {{5, 0}, {20, 30}, {40, 50}, {55, 20}, {70, 60}, {85, 10}};
    int found = 0;
    int missing = 0;
    int bySegments[4] = {};
    int uTurns = 0;
    size_t longest = 0;

    for (unsigned seed = 1; seed <= 600; ++seed) {
        std::mt19937 rng(seed);
        const Density density = densities[seed % std::size(densities)];
        Layout l;
        std::vector<Cell> crops;
        for (int col = 0; col < kCols; ++col) {
            for (int row = 0; row < kRows; ++row) {
                if (int(rng() % 100) >= density.percentFilled)
                    continue;
                if (int(rng() % 100) < density.percentFence) {
                    l.grid(col, row) = kFence;
                } else {
                    l.grid(col, row) = kFirstCrop + int(rng() % (kLastCrop - kFirstCrop + 1));
                    crops.push_back({col, row});
                }
            }
        }
        for (int pair = 0; pair < 40; ++pair) {
            Cell from{int(rng() % kCols), int(rng() % kRows)};
            Cell to{int(rng() % kCols), int(rng() % kRows)};
            // Often pick from the same row or column, or along the edges, where the search is trickiest.
            switch (rng() % 4) {
            case 0: to.row = from.row; break;
            case 1: to.col = from.col; break;
            case 2: from.col = (rng() % 2) ? 0 : kCols - 1; to.col = (rng() % 2) ? 0 : kCols - 1; break;
            default: break;
            }
            if (from == to)
                continue;
            Layout trial = l;
            trial.from = from;
            trial.to = to;
            const int code = kFirstCrop + int(rng() % (kLastCrop - kFirstCrop + 1));
            trial.grid(from.col, from.row) = code;
            trial.grid(to.col, to.row) = code;

            const std::vector<PathPoint> got = route(trial);
            const bool exists = reachableWithTwoTurns(trial);
            QVERIFY2(got.empty() != exists,
                     qPrintable(QStringLiteral("seed %1: route %2 but brute force says %3\n%4")
                                    .arg(seed).arg(got.empty() ? "missing" : "found")
                                    .arg(exists ? "reachable" : "unreachable", describe(trial))));
            const std::optional<std::vector<Cell>> preferred = preferredRoute(trial);
            QCOMPARE(preferred.has_value(), exists);
            if (got.empty()) {
                ++missing;
                continue;
            }
            ++found;
            RouteShape shape;
            const QString fault = routeFault(trial, got, &shape);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2\n%3%4")
                                                     .arg(seed).arg(fault, describe(trial), describe(got))));
            QString why;
            QVERIFY2(sameRoute(got, pointsThrough(*preferred), &why),
                     qPrintable(QStringLiteral("seed %1: not the preferred route\n%2%3").arg(seed).arg(describe(trial), why)));
            ++bySegments[shape.segments];
            const auto& dirs = shape.stepDirs;
            uTurns += shape.segments == 3 && dirs.front() == (dirs.back() + 2) % 4;
            longest = std::max(longest, got.size());
        }
    }
    qInfo("%d routes (%d straight, %d one turn, %d two turns, %d U), %d without, longest %zu points", found,
          bySegments[1], bySegments[2], bySegments[3], uTurns, missing, longest);
    // The random fields must have exercised every kind of outcome.
    QVERIFY(missing > 1000);
    QVERIFY(bySegments[1] > 200 && bySegments[2] > 200 && bySegments[3] > 200);
    QVERIFY(uTurns > 200);
}

void RouteTest::listsTheJoinablePairs() {
    FieldGrid grid;
    QVERIFY(joinablePairs(grid).empty());
    QVERIFY(!firstJoinablePair(grid));
    // Three carrots in a row: the outer two are blocked by the middle one only along the row, so all
    // three pairs are joinable; the walled-in cabbage pair at the corner is not, and different crops
    // never pair.
    grid(2, 3) = grid(5, 3) = grid(9, 3) = 7;
    grid(0, 9) = 8;
    grid(1, 9) = kFence;
    grid(0, 8) = kFence;
    grid(15, 0) = 8;
    grid(12, 6) = 9;
    const std::vector<BedPair> expected = {{2, 3, 5, 3}, {2, 3, 9, 3}, {5, 3, 9, 3}};
    QCOMPARE(joinablePairs(grid), expected);
    QCOMPARE(*firstJoinablePair(grid), expected.front());
}

QTEST_APPLESS_MAIN(RouteTest)
#include "test_route.moc"
