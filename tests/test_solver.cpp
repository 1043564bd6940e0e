// A field designer trusts the solver's word: it agrees with a plain exhaustive search, every order
// it gives really empties the field in the game, and the tool's exit status says which case it is.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "core/FieldFileFormat.h"
#include "core/Rnd.h"
#include "play/Route.h"
#include "tools/pole/PlainSearch.h"
#include "tools/pole/Solver.h"

namespace {
constexpr auto kPlenty = std::chrono::seconds(30);

// A few pairs of two or three kinds and a few fences on a small corner of the field, where
// routes cross often enough that some fields cannot be emptied.
constexpr int kWide = 6;
constexpr int kHigh = 3;
FieldGrid smallField(int32_t seed) {
    Rnd generator;
    // Neighbouring seeds start the generator alike; spread them over its range.
    generator.restart(seed * 104729 % 3200000 + 1);
    const int pairs = 6 + generator.below(3);
    const int kinds = 3 + generator.below(pairs - 2);
    std::vector<int32_t> beds(kWide * kHigh, kEmpty);
    for (int i = 0; i < pairs; ++i)
        beds[size_t(2 * i)] = beds[size_t(2 * i + 1)] = kFirstCrop + generator.below(kinds);
    for (int i = 2 * pairs; i < std::min(kWide * kHigh, 2 * pairs + generator.below(2)); ++i)
        beds[size_t(i)] = kFence;
    for (size_t i = beds.size(); i > 1; --i)
        std::swap(beds[i - 1], beds[size_t(generator.below(int32_t(i)))]);
    FieldGrid grid;
    for (int i = 0; i < kWide * kHigh; ++i)
        grid(i % kWide, i / kWide) = beds[size_t(i)];
    // The rest of the first rows fenced off, so the corner really is small.
    for (int row = 0; row < kHigh; ++row)
        grid(kWide, row) = kFence;
    for (int col = 0; col <= kWide; ++col)
        grid(col, kHigh) = kFence;
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
}  // namespace

class SolverTest : public QObject {
    Q_OBJECT
private slots:
    void agreesWithAnExhaustiveSearchOnSmallFields();
    void everyOrderItGivesEmptiesTheFieldInTheGame();
    void theToolSaysHarvestableNotHarvestableOrUnreadable();
    void theToolsOrderReplaysToAnEmptyField();
};

void SolverTest::agreesWithAnExhaustiveSearchOnSmallFields() {
    int harvestable = 0;
    int notHarvestable = 0;
    for (int32_t seed = 1; seed <= 2000; ++seed) {
        const FieldGrid field = smallField(seed);
        const Verdict plain = plainSearch(field, kPlenty);
        const SolverResult solver = solveField(field, kPlenty);
        QVERIFY(plain != Verdict::Undecided);
        QCOMPARE(int(solver.verdict), int(plain));
        harvestable += plain == Verdict::Harvestable;
        notHarvestable += plain == Verdict::NotHarvestable;
    }
    // Both answers must have been at stake, or the agreement proves nothing.
    QVERIFY2(harvestable > 20 && notHarvestable > 20, qPrintable(QStringLiteral("%1 harvestable, %2 not").arg(harvestable).arg(notHarvestable)));
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
    QVERIFY2(lockedRun.err.contains("0 of 2 pairs"), qPrintable(lockedRun.err));
    const ToolRun damagedRun = runTool({"check", damaged.fileName()});
    QCOMPARE(damagedRun.status, 3);
    QVERIFY(damagedRun.err.contains("not a field file"));
    QCOMPARE(runTool({"check", dir.filePath("missing.tvk")}).status, 3);
    QCOMPARE(runTool({"show", damaged.fileName()}).status, 3);
    QCOMPARE(runTool({"render", damaged.fileName(), dir.filePath("out.png")}).status, 3);
}

void SolverTest::theToolsOrderReplaysToAnEmptyField() {
    QTemporaryDir dir;
    std::vector<CellRecord> records;
    FieldGrid field;
    for (int32_t seed = 1; records.size() < 12; ++seed) {
        const FieldGrid candidate = smallField(seed);
        if (solveField(candidate, kPlenty).verdict != Verdict::Harvestable || picturesOf(candidate).size() < 10)
            continue;
        field = candidate;
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kCols; ++col)
                if (field(col, row) != kEmpty)
                    records.push_back({col, row, field(col, row)});
    }
    const ToolRun run = runTool({"solve", writeField(dir, "field.tvk", records)});
    QCOMPARE(run.status, 0);
    std::vector<HarvestStep> order;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList n = line.split(' ');
        QCOMPARE(n.size(), 4);
        order.push_back({n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()});
    }
    QVERIFY(emptiesTheField(field, order));
}

QTEST_GUILESS_MAIN(SolverTest)
#include "test_solver.moc"
