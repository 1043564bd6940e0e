// The fields that come with the game: there are enough of them, the list shows them in the order
// of their levels with the shapes they were drawn with, and every one can be harvested to the end.
#include <QDir>
#include <QTest>
#include <map>

#include "play/Route.h"
#include "tools/pole/BundledFields.h"
#include "tools/pole/FieldSource.h"

namespace {
const QString kFolder = QStringLiteral(KELVARY_BUNDLED_FIELDS);
constexpr auto kProofTime = std::chrono::seconds(60);

// As the new-game list shows them: "*.tvk" sorted by name ignoring case.
QStringList levelList() {
    return QDir(kFolder).entryList({QStringLiteral("*.tvk")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}
}  // namespace

class BundledFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void theListHoldsEveryDesignInTheOrderOfItsLevels();
    void eachFieldHasTheShapeItWasDrawnWith();
    void everyFieldCanBeHarvestedToTheLastBed();
};

void BundledFieldsTest::theListHoldsEveryDesignInTheOrderOfItsLevels() {
    QStringList designed;
    for (const FieldDesign& design : bundledDesigns())
        designed << QString::fromLatin1(design.name);
    QVERIFY(designed.size() >= 12);
    QCOMPARE(levelList(), designed);
}

void BundledFieldsTest::eachFieldHasTheShapeItWasDrawnWith() {
    for (const FieldDesign& design : bundledDesigns()) {
        const FieldSource source = readFieldSource(kFolder + QLatin1Char('/') + QLatin1String(design.name));
        QVERIFY2(source.field, qPrintable(source.problem));
        QCOMPARE(source.field->shuffleKinds, design.shuffle);
        const FieldGrid grid = gridOf(source.field->records);
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kCols; ++col) {
                const char bed = design.beds[size_t(row)][col];
                const int32_t sign = grid(col, row);
                const bool asDrawn = bed == '#' ? sign == kFence : bed == 'o' ? sign >= kFirstCrop : sign == kEmpty;
                QVERIFY2(asDrawn, qPrintable(QStringLiteral("%1 column %2 row %3").arg(design.name).arg(col).arg(row)));
            }
    }
}

void BundledFieldsTest::everyFieldCanBeHarvestedToTheLastBed() {
    for (const QString& name : levelList()) {
        const FieldSource source = readFieldSource(kFolder + QLatin1Char('/') + name);
        QVERIFY2(source.field, qPrintable(source.problem));
        FieldGrid grid = gridOf(source.field->records);
        std::map<int32_t, int> kinds;
        for (const CellRecord& record : source.field->records)
            if (record.Sign >= kFirstCrop)
                ++kinds[record.Sign];
        for (const auto& [kind, count] : kinds)
            QVERIFY2(count % 2 == 0, qPrintable(QStringLiteral("%1: kind %2").arg(name).arg(kind)));

        const SolverResult proof = solveField(grid, kProofTime);
        QVERIFY2(proof.verdict == Verdict::Harvestable, qPrintable(name));
        for (const HarvestStep& s : proof.order) {
            QCOMPARE(grid(s.toCol, s.toRow), grid(s.fromCol, s.fromRow));
            QVERIFY(!routeBetween(grid, s.fromCol, s.fromRow, s.toCol, s.toRow).empty());
            grid(s.fromCol, s.fromRow) = grid(s.toCol, s.toRow) = kEmpty;
        }
        QVERIFY2(picturesOf(grid).empty(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(BundledFieldsTest)
#include "test_bundled_fields.moc"
