// A field designer trusts the solver's word: it agrees with a plain exhaustive search, every order
// it gives really empties the field in the game, and the tool's exit status says which case it is.
// The rating plays the random orders a plain player plays on the game's list of joinable pairs.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "core/FieldFileFormat.h"
#include "core/Rnd.h"
#include "play/Route.h"
#include "tools/pole/FieldSource.h"
#include "solver/Occupancy.h"
#include "solver/Grading.h"
#include "solver/ModelPlayers.h"
#include "solver/Pictures.h"
#include "solver/PlainSearch.h"
#include "solver/PositionMemory.h"
#include "solver/Rating.h"
#include "solver/Solver.h"

namespace {
constexpr auto kPlenty = std::chrono::seconds(30);

// A few pairs of two or three kinds and a few fences on a small corner of the field, where
// routes cross often enough that some fields cannot be emptied. In the walled corner the fences
// also part some pictures from others of their kind for good.
struct Corner {
    int wide;
    int high;
    int fewestFences;
    int mostFences;
};
constexpr Corner kOpenCorner{6, 3, 0, 1};
constexpr Corner kWalledCorner{7, 4, 6, 10};
FieldGrid smallField(int32_t seed, const Corner& corner = kOpenCorner) {
    Rnd generator;
    // Neighbouring seeds start the generator alike; spread them over its range.
    generator.restart(seed * 104729 % 3200000 + 1);
    const int pairs = 6 + generator.below(3);
    const int kinds = 3 + generator.below(pairs - 2);
    const int beds = corner.wide * corner.high;
    std::vector<int32_t> sown(size_t(beds), kEmpty);
    for (int i = 0; i < pairs; ++i)
        sown[size_t(2 * i)] = sown[size_t(2 * i + 1)] = kFirstCrop + generator.below(kinds);
    const int fences = corner.fewestFences + generator.below(corner.mostFences - corner.fewestFences + 1);
    for (int i = 2 * pairs; i < std::min(beds, 2 * pairs + fences); ++i)
        sown[size_t(i)] = kFence;
    for (size_t i = sown.size(); i > 1; --i)
        std::swap(sown[i - 1], sown[size_t(generator.below(int32_t(i)))]);
    FieldGrid grid;
    for (int i = 0; i < beds; ++i)
        grid(i % corner.wide, i / corner.wide) = sown[size_t(i)];
    // The rest of the first rows fenced off, so the corner really is small.
    for (int row = 0; row < corner.high; ++row)
        grid(corner.wide, row) = kFence;
    for (int col = 0; col <= corner.wide; ++col)
        grid(col, corner.high) = kFence;
    return grid;
}

// Plays an order through the game's route search, pair by pair, as the player would.
bool emptiesTheField(FieldGrid grid, const std::vector<HarvestStep>& order) {
    for (const HarvestStep& s : order) {
        const int32_t kind = grid(s.fromCol, s.fromRow);
        if (kind < kFirstCrop || grid(s.toCol, s.toRow) != kind ||
            routeBetween(grid, s.fromCol, s.fromRow, s.toCol, s.toRow).empty())
            return false;
        grid(s.fromCol, s.fromRow) = grid(s.toCol, s.toRow) = kEmpty;
    }
    for (int col = 0; col < kCols; ++col)
        for (int row = 0; row < kRows; ++row)
            if (grid(col, row) >= kFirstCrop)
                return false;
    return true;
}

// The most pairs any order harvests, trying every joinable pair at every position; positions are
// sets of the field's pictures, remembered with their answer.
int mostPairsByEveryOrder(FieldGrid& grid, const std::vector<Picture>& pictures, uint32_t left,
                          std::map<uint32_t, int>& known) {
    if (const auto it = known.find(left); it != known.end())
        return it->second;
    int most = 0;
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            const Picture& a = pictures[i];
            const Picture& b = pictures[j];
            if (!(left >> i & 1) || !(left >> j & 1) || a.kind != b.kind || !joinable(grid, a, b))
                continue;
            grid(a.col, a.row) = grid(b.col, b.row) = kEmpty;
            most = std::max(most, 1 + mostPairsByEveryOrder(grid, pictures, left & ~(1u << i) & ~(1u << j), known));
            grid(a.col, a.row) = grid(b.col, b.row) = a.kind;
        }
    known[left] = most;
    return most;
}
int mostPairsByEveryOrder(FieldGrid grid) {
    const std::vector<Picture> pictures = picturesOf(grid);
    std::map<uint32_t, int> known;
    return mostPairsByEveryOrder(grid, pictures, (1u << pictures.size()) - 1, known);
}

// Beds taken at random with the given chance in a hundred, a tenth of them fences.
FieldGrid randomBeds(Rnd& generator, int percent) {
    FieldGrid grid;
    for (int col = 0; col < kCols; ++col)
        for (int row = 0; row < kRows; ++row)
            if (generator.below(100) < percent)
                grid(col, row) = generator.below(10) == 0 ? kFence : kFirstCrop + generator.below(3);
    return grid;
}

// The plain random player: asks the game for every joinable pair and takes one, order after order.
// How many orders stopped after each number of pairs.
std::vector<int> plainOrdersEndedAfter(const FieldGrid& field, int orders, int32_t seed) {
    Rnd generator;
    generator.restart(seed);
    std::vector<int> endedAfter(picturesOf(field).size() / 2 + 1, 0);
    for (int order = 0; order < orders; ++order) {
        FieldGrid grid = field;
        int harvested = 0;
        for (std::vector<BedPair> pairs; !(pairs = joinablePairs(grid)).empty(); ++harvested) {
            const BedPair& taken = pairs[size_t(generator.below(int32_t(pairs.size())))];
            grid(taken.fromCol, taken.fromRow) = grid(taken.toCol, taken.toRow) = kEmpty;
        }
        ++endedAfter[size_t(harvested)];
    }
    return endedAfter;
}

struct ToolRun {
    int status;
    QString out;
    QString err;
};
ToolRun runTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(KELVARY_POLE_TOOL), arguments);
    tool.waitForFinished(60000);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(tool.readAllStandardError())};
}

QString writeField(const QTemporaryDir& dir, const QString& name, const std::vector<CellRecord>& records) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(fieldFileBytes(records, 4242, 0));
    return file.fileName();
}

// Two rows of beds drawn as letters (one kind a letter) and '.', boxed in by fences from
// column 1 of row 1.
FieldGrid fencedBox(const std::array<const char*, 2>& beds) {
    const int wide = int(qstrlen(beds[0]));
    FieldGrid field;
    for (int col = 0; col <= wide + 1; ++col)
        for (int row = 0; row <= 3; ++row)
            field(col, row) = kFence;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < wide; ++col) {
            const char bed = beds[size_t(row)][col];
            field(col + 1, row + 1) = bed == '.' ? kEmpty : kFirstCrop + bed - 'A';
        }
    return field;
}
}  // namespace

class SolverTest : public QObject {
    Q_OBJECT
private slots:
    void itsRouteQuestionsGetTheGamesAnswers();
    void remembersEveryPositionItIsTold();
    void agreesWithAnExhaustiveSearchOnSmallFields();
    void startingOverKeepsTheAnswersExact();
    void everyOrderItGivesEmptiesTheFieldInTheGame();
    void theToolSaysHarvestableNotHarvestableOrUnreadable();
    void theToolsOrderReplaysToAnEmptyField();
    void theRatingPlaysTheOrdersAPlainRandomPlayerPlays();
    void gradesFieldsWorkedOutByHand();
    void modelPlayersFallIntoTrapsTheyCannotSee();
};

void SolverTest::itsRouteQuestionsGetTheGamesAnswers() {
    Rnd generator;
    generator.restart(4711);
    long routes = 0;
    for (int grids = 0; grids < 40; ++grids) {
        const FieldGrid grid = randomBeds(generator, grids * 100 / 40);
        const Occupancy beds(grid);
        const PictureSet besideFree = beds.besideFreeBeds();
        for (int from = 0; from < kCols * kRows; ++from) {
            const int fromCol = from % kCols;
            const int fromRow = from / kCols;
            const Picture here{fromCol, fromRow, 0};
            QCOMPARE(besideFree.test(PictureSet::bed(fromCol, fromRow)), hasFreeNeighbour(grid, here));
            for (int to = 0; to < kCols * kRows; ++to) {
                const bool game = !routeBetween(grid, fromCol, fromRow, to % kCols, to / kCols).empty();
                if (beds.joined(fromCol, fromRow, to % kCols, to / kCols) != game)
                    QFAIL(qPrintable(QStringLiteral("grid %1: (%2, %3) to (%4, %5)")
                                         .arg(grids).arg(fromCol).arg(fromRow).arg(to % kCols).arg(to / kCols)));
                routes += game;
            }
        }
    }
    // Both answers were asked for plenty.
    QVERIFY2(routes > 100000 && routes < 900000, qPrintable(QString::number(routes)));
}

void SolverTest::remembersEveryPositionItIsTold() {
    Rnd generator;
    generator.restart(99);
    std::vector<PictureSet> told;
    std::vector<PictureSet> untold;
    for (int i = 0; i < 6000; ++i) {
        PictureSet position;
        for (int bed = 0; bed < kCols * kRows; ++bed)
            if (generator.below(8) == 0)
                position.set(bed);
        (i % 2 == 0 ? told : untold).push_back(position);
    }
    PositionMemory memory;
    for (const PictureSet& position : told)
        memory.insert(position);
    memory.insert(told.front());  // twice over changes nothing
    int found = 0;
    for (const PictureSet& position : told)
        found += memory.contains(position);
    QCOMPARE(found, int(told.size()));
    int strays = 0;
    for (const PictureSet& position : untold)
        strays += memory.contains(position) && std::find(told.begin(), told.end(), position) == told.end();
    QCOMPARE(strays, 0);
}

void SolverTest::agreesWithAnExhaustiveSearchOnSmallFields() {
    int harvestable = 0;
    int notHarvestable = 0;
    for (int32_t seed = 1; seed <= 3000; ++seed) {
        const FieldGrid field = smallField(seed, seed % 3 == 0 ? kWalledCorner : kOpenCorner);
        const Verdict plain = plainSearch(field, kPlenty);
        const SolverResult solver = solveField(field, kPlenty);
        QVERIFY(plain != Verdict::Undecided);
        QCOMPARE(int(solver.verdict), int(plain));
        // The figure a designer reads for a field that cannot be emptied.
        if (plain == Verdict::NotHarvestable && solver.oddKinds.empty() && solver.neverJoined.empty())
            QCOMPARE(solver.mostPairs, mostPairsByEveryOrder(field));
        harvestable += plain == Verdict::Harvestable;
        notHarvestable += plain == Verdict::NotHarvestable;
    }
    // Both answers must have been at stake, or the agreement proves nothing.
    QVERIFY2(harvestable > 20 && notHarvestable > 20, qPrintable(QStringLiteral("%1 harvestable, %2 not").arg(harvestable).arg(notHarvestable)));
}

// Starting over after every position or two, with refuted positions kept from run to run, still
// gives every answer and figure a single run gives.
void SolverTest::startingOverKeepsTheAnswersExact() {
    int startedOver = 0;
    for (int32_t seed = 1; seed <= 300; ++seed) {
        const FieldGrid field = smallField(seed, seed % 3 == 0 ? kWalledCorner : kOpenCorner);
        const SolverResult once = solveField(field, kPlenty, 1000000);
        const SolverResult often = solveField(field, kPlenty, 1);
        QCOMPARE(int(often.verdict), int(once.verdict));
        QCOMPARE(often.mostPairs, once.mostPairs);
        if (often.verdict == Verdict::Harvestable)
            QVERIFY2(emptiesTheField(field, often.order), qPrintable(QString::number(seed)));
        startedOver += often.positions > 2;
    }
    QVERIFY(startedOver > 50);
}

void SolverTest::everyOrderItGivesEmptiesTheFieldInTheGame() {
    int replayed = 0;
    for (int32_t seed = 1; seed <= 400; ++seed) {
        const FieldGrid field = smallField(seed);
        const SolverResult result = solveField(field, kPlenty);
        if (result.verdict != Verdict::Harvestable)
            continue;
        QCOMPARE(int(result.order.size()), result.pairs);
        QVERIFY2(emptiesTheField(field, result.order), qPrintable(QString::number(seed)));
        ++replayed;
    }
    QVERIFY(replayed > 40);
}

void SolverTest::theToolSaysHarvestableNotHarvestableOrUnreadable() {
    QTemporaryDir dir;
    const QString pair = writeField(dir, "pair.tvk", {{3, 4, 16}, {15, 9, 16}});
    const QString odd = writeField(dir, "odd.tvk", {{0, 0, 5}, {1, 0, 5}, {2, 0, 5}, {5, 5, 7}, {6, 5, 7}});
    // Down the left edge A B A B, the column beside it fenced: each pair blocks the other.
    const QString locked = writeField(dir, "locked.tvk", {{0, 0, 2}, {1, 0, 1}, {0, 1, 3}, {1, 1, 1}, {0, 2, 2},
                                                          {1, 2, 1}, {0, 3, 3}, {1, 3, 1}, {0, 4, 1}});
    QFile damaged(dir.filePath("damaged.tvk"));
    damaged.open(QIODevice::WriteOnly);
    damaged.write(fieldFileBytes({{3, 4, 16}, {15, 9, 16}}, 4242, 0).left(30));
    damaged.close();

    QCOMPARE(runTool({"check", pair}).status, 0);
    const ToolRun oddRun = runTool({"check", odd});
    QCOMPARE(oddRun.status, 1);
    QVERIFY2(oddRun.err.contains("odd count of kind 5"), qPrintable(oddRun.err));
    const ToolRun lockedRun = runTool({"check", locked});
    QCOMPARE(lockedRun.status, 1);
    QVERIFY2(lockedRun.err.contains("no order ever opens a route from the picture at column 0, row 0"),
             qPrintable(lockedRun.err));
    // A field that only the order spoils: the tool names the most pairs any order gets.
    for (int32_t seed = 1;; ++seed) {
        const FieldGrid field = smallField(seed, kWalledCorner);
        const SolverResult result = solveField(field, kPlenty);
        if (result.verdict != Verdict::NotHarvestable || !result.oddKinds.empty() || !result.neverJoined.empty() ||
            result.mostPairs == 0)
            continue;
        const ToolRun run = runTool({"check", writeField(dir, "spoilt.tvk", recordsOf(field))});
        QCOMPARE(run.status, 1);
        const QString most = QStringLiteral("any order gets %1 of %2 pairs at most").arg(result.mostPairs).arg(result.pairs);
        QVERIFY2(run.err.contains(most), qPrintable(run.err));
        break;
    }
    const ToolRun damagedRun = runTool({"check", damaged.fileName()});
    QCOMPARE(damagedRun.status, 3);
    QVERIFY(damagedRun.err.contains("not a field file"));
    QCOMPARE(runTool({"check", dir.filePath("missing.tvk")}).status, 3);
    QCOMPARE(runTool({"show", damaged.fileName()}).status, 3);
    QCOMPARE(runTool({"render", damaged.fileName(), dir.filePath("out.png")}).status, 3);
}

void SolverTest::theToolsOrderReplaysToAnEmptyField() {
    QTemporaryDir dir;
    FieldGrid field;
    for (int32_t seed = 1; recordsOf(field).size() < 12; ++seed) {
        const FieldGrid candidate = smallField(seed);
        if (solveField(candidate, kPlenty).verdict == Verdict::Harvestable && picturesOf(candidate).size() >= 10)
            field = candidate;
    }
    const ToolRun run = runTool({"solve", writeField(dir, "field.tvk", recordsOf(field))});
    QCOMPARE(run.status, 0);
    std::vector<HarvestStep> order;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList n = line.split(' ');
        QCOMPARE(n.size(), 4);
        order.push_back({n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()});
    }
    QVERIFY(emptiesTheField(field, order));
}

void SolverTest::theRatingPlaysTheOrdersAPlainRandomPlayerPlays() {
    constexpr int kOrders = 50;
    int mixed = 0;
    FieldGrid mixedField;
    for (int32_t seed = 1; seed <= 80; ++seed) {
        const FieldGrid field = smallField(seed, seed % 3 == 0 ? kWalledCorner : kOpenCorner);
        const Rating rating = rateField(field, kOrders, seed);
        QCOMPARE(rating.endedAfter, plainOrdersEndedAfter(field, kOrders, seed));
        if (rating.share() > 0 && rating.share() < 1) {
            ++mixed;
            mixedField = field;
        }
    }
    // Orders that empty the field and orders that stick both came up, or the agreement proves little.
    QVERIFY2(mixed > 10, qPrintable(QString::number(mixed)));

    // The tool tells the share last, and above it the mean harvest of the orders that stuck.
    QTemporaryDir dir;
    const ToolRun run = runTool({"rate", writeField(dir, "mixed.tvk", recordsOf(mixedField)), "--orders", "200",
                                 "--seed", "7"});
    QCOMPARE(run.status, 0);
    const std::vector<int> plain = plainOrdersEndedAfter(mixedField, 200, 7);
    int stuck = 0;
    long harvested = 0;
    for (size_t k = 0; k + 1 < plain.size(); ++k) {
        stuck += plain[k];
        harvested += long(k) * plain[k];
    }
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.last(), QString::number(1.0 - stuck / 200.0, 'f', 3));
    const QString mean = QStringLiteral("mean pairs harvested before a dead end: %1 (%2 orders met one)")
                             .arg(QString::number(double(harvested) / stuck, 'f', 1)).arg(stuck);
    QVERIFY2(lines.contains(mean), qPrintable(run.out));
    QCOMPARE(runTool({"rate", dir.filePath("mixed.tvk"), "--orders", "0"}).status, 64);
}

// Two fields in a fenced box from column 1 of row 1, each with one trap, worked out by hand.
//
//   A B . B    Joinable: the top B's together, the top-left B with the lower-right one, or the
//   B A B .    top-right B with it. The first two open a route for the A's, then for the last B's.
//              The third walls each A and the left B's in by the other kind: stuck at once. A
//              player looking no pair ahead avoids it (L* 0); only the first of a winning order's
//              3 steps offers the trap (1/3); failing orders fail right after it (gap 1); random
//              play clears 2 orders in 3.
//
//   A C . C . .    Joinable: the top C's, or the right C's one above the other. After the top C's
//   C A B C . B    every order clears. After the right C's only the B's can go, leaving A's and
//                  C's crossed in the left corner: stuck one pair later. The shortest route lures
//                  a player looking no pair ahead into the trap every time; looking one ahead
//                  avoids it (L* 1). The trap is the first of 4 steps (1/4), the dead end comes 2
//                  pairs after the start (gap 2), and random play clears 1 order in 2.
void SolverTest::gradesFieldsWorkedOutByHand() {
    struct Case {
        std::array<const char*, 2> beds;
        int lookAhead;
        double traps;
        double gap;
        double share;  // of random orders that clear it
    };
    const Case cases[] = {
        {{"AB.B", "BAB."}, 0, 1.0 / 3, 1.0, 2.0 / 3},
        {{"AC.C..", "CABC.B"}, 1, 1.0 / 4, 2.0, 1.0 / 2},
    };
    for (const Case& c : cases) {
        const FieldGrid field = fencedBox(c.beds);
        const int pictures = int(picturesOf(field).size());
        const Grade grade = gradeField(field, 1);
        QCOMPARE(grade.lookAhead.needed, c.lookAhead);
        QCOMPARE(grade.traps.share, c.traps);
        QCOMPARE(grade.gap.median, c.gap);
        QCOMPARE(grade.gap.failing, kGapOrders);
        const double risk = -std::log(c.share) / (pictures / 2);
        QVERIFY2(std::abs(grade.riskPerPair - risk) < 0.01, qPrintable(QString::number(grade.riskPerPair)));
        QVERIFY(!grade.lookAhead.approximate && !grade.traps.approximate && !grade.gap.approximate);
    }
}

// The second field above and two longer ones, each a step further from the trap's dead end, so
// that each model player is the first to see it:
//   A C . C . . D . D      After the right C's three pairs more can go, B's, D's and E's; then
//   C A B C . B E . E      stuck. A player who looks two pairs ahead falls; four ahead avoids.
//   A C . C . . D . D F . F      Five more after the right C's: only the expert, who sees the A's
//   C A B C . B E . E G . G      and C's left crossed in the corner, avoids it.
// The right C's are the one shortest route; the first field's three pairs tie, one in three a trap.
void SolverTest::modelPlayersFallIntoTrapsTheyCannotSee() {
    struct Case {
        std::array<const char*, 2> beds;
        std::array<double, kModelPlayers.size()> shares;  // tidy, careful-2, careful-4, expert
        double tidyGap;
    };
    const Case cases[] = {
        {{"AB.B", "BAB."}, {2.0 / 3, 1, 1, 1}, 1},
        {{"AC.C..", "CABC.B"}, {0, 1, 1, 1}, 2},
        {{"AC.C..D.D", "CABC.BE.E"}, {0, 0, 1, 1}, 4},
        {{"AC.C..D.DF.F", "CABC.BE.EG.G"}, {0, 0, 0, 1}, 6},
    };
    for (const Case& c : cases) {
        const FieldGrid field = fencedBox(c.beds);
        for (size_t i = 0; i < kModelPlayers.size(); ++i) {
            const ModelFigures played = playModelGames(field, kModelPlayers[i], kModelGames, 1);
            const QString figures = QStringLiteral("%1 %2: %3").arg(c.beds[0], modelPlayerName(kModelPlayers[i])).arg(played.share);
            QVERIFY2(std::abs(played.share - c.shares[i]) < 0.05, qPrintable(figures));
            QVERIFY2(!played.approximate, qPrintable(figures));
            if (i == 0)
                QCOMPARE(played.medianGap, c.tidyGap);
        }
    }
}

QTEST_GUILESS_MAIN(SolverTest)
#include "test_solver.moc"
