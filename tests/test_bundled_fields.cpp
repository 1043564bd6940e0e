// The fields that come with the game: a campaign of enough levels, listed in the order they are
// played with the shapes they were drawn with, each remade byte for byte by `kelvary-pole make`,
// each harvestable to the last bed, each less forgiving to a careless order than the last, and
// graded in chapters by how a person plays them.
#include <QDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "core/Cp1251.h"
#include "play/Route.h"
#include "tools/pole/BundledFields.h"
#include "tools/pole/FieldSource.h"
#include "solver/Grading.h"
#include "solver/Rating.h"

namespace {
const QString kFolder = QStringLiteral(KELVARY_BUNDLED_FIELDS);
constexpr auto kSecondsPerSowing = std::chrono::seconds(10);  // as `make` allows
constexpr int kOrders = 300;
// A later field may be this much more forgiving than an earlier one: a breather, not a wall.
constexpr double kTolerance = 0.15;
constexpr int kChapter = 6;
// Fair: a careful player needs to look no further ahead, and a failure shows no later than this.
constexpr int kMostFairLookAhead = 6;
constexpr double kMostFairGap = 6;
constexpr double kLastChapterLookAhead = 3;

// As the new-game list shows them: "*.tvk" sorted by name ignoring case.
QStringList levelList() {
    return QDir(kFolder).entryList({QStringLiteral("*.tvk")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

FieldGrid bundledGrid(const QString& name) {
    const FieldSource source = readFieldSource(kFolder + QLatin1Char('/') + name);
    return source.field ? gridOf(source.field->records) : FieldGrid();
}

// The places of the values in ascending order, 1 for the smallest, ties sharing their mean place.
std::vector<double> ranks(const std::vector<double>& values) {
    std::vector<size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return values[a] < values[b]; });
    std::vector<double> rank(values.size());
    for (size_t first = 0; first < order.size();) {
        size_t last = first;
        while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]])
            ++last;
        for (size_t i = first; i <= last; ++i)
            rank[order[i]] = double(first + last) / 2 + 1;
        first = last + 1;
    }
    return rank;
}

// Spearman's rank correlation: Pearson's over the ranks.
double rankCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
    const std::vector<double> x = ranks(a), y = ranks(b);
    const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / double(x.size());
    const double meanY = std::accumulate(y.begin(), y.end(), 0.0) / double(y.size());
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        xy += (x[i] - meanX) * (y[i] - meanY);
        xx += (x[i] - meanX) * (x[i] - meanX);
        yy += (y[i] - meanY) * (y[i] - meanY);
    }
    return xy / std::sqrt(xx * yy);
}
}  // namespace

class BundledFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void theListHoldsEveryDesignInTheOrderOfItsLevels();
    void eachFieldHasTheShapeItWasDrawnWith();
    void makeRemakesEveryFieldWithAHarvestThatEmptiesIt();
    void theCampaignGrowsLessForgivingFromLevelToLevel();
    void chaptersTeachThenTrapMoreAndEveryFieldIsFair();
};

void BundledFieldsTest::theListHoldsEveryDesignInTheOrderOfItsLevels() {
    QStringList designed;
    for (const FieldDesign& design : bundledDesigns())
        designed << design.fileName();
    QVERIFY(designed.size() >= 36);
    QCOMPARE(levelList(), designed);
    // Saved games and settings store the name in Windows-1251.
    for (const QString& name : designed)
        QVERIFY2(fitsCp1251(name), qPrintable(name));
}

void BundledFieldsTest::eachFieldHasTheShapeItWasDrawnWith() {
    for (const FieldDesign& design : bundledDesigns()) {
        const FieldSource source = readFieldSource(kFolder + QLatin1Char('/') + design.fileName());
        QVERIFY2(source.field, qPrintable(source.problem));
        QCOMPARE(source.field->shuffleKinds, design.shuffle);
        const FieldGrid grid = gridOf(source.field->records);
        std::map<char, int32_t> lettered;  // the kind each hand-placed letter got
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kCols; ++col) {
                const char bed = design.beds[size_t(row)][col];
                const int32_t sign = grid(col, row);
                const bool asDrawn = bed == '#' ? sign == kFence : bed == '.' ? sign == kEmpty : sign >= kFirstCrop;
                const bool sameLetterSameKind = !(bed >= 'A' && bed <= 'Z') || lettered.emplace(bed, sign).first->second == sign;
                QVERIFY2(asDrawn && sameLetterSameKind,
                         qPrintable(QStringLiteral("%1 column %2 row %3").arg(design.fileName()).arg(col).arg(row)));
            }
    }
}

// `make` proves each sowing before it writes it; the proof's order is played again here through
// the game's own route search.
void BundledFieldsTest::makeRemakesEveryFieldWithAHarvestThatEmptiesIt() {
    for (const FieldDesign& design : bundledDesigns()) {
        const std::optional<SownField> field = sowHarvestable(design, kSecondsPerSowing);
        QVERIFY2(field, qPrintable(design.fileName()));
        QFile file(kFolder + QLatin1Char('/') + design.fileName());
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == bundledFileBytes(design, *field), qPrintable(design.fileName()));
        QVERIFY2(replaysToEmpty(gridOf(field->records), field->proof.order), qPrintable(design.fileName()));
    }
}

void BundledFieldsTest::theCampaignGrowsLessForgivingFromLevelToLevel() {
    std::vector<double> shares;
    std::vector<double> places;
    for (const QString& name : levelList()) {
        shares.push_back(rateField(bundledGrid(name), kOrders, 1).share());
        places.push_back(double(places.size()));
        const double hardestBefore = *std::min_element(shares.begin(), shares.end());
        QVERIFY2(shares.back() <= hardestBefore + kTolerance,
                 qPrintable(QStringLiteral("%1: %2 after a field of %3").arg(name).arg(shares.back()).arg(hardestBefore)));
    }
    QVERIFY2(std::all_of(shares.begin(), shares.begin() + 3, [](double share) { return share >= 0.9; }),
             "the first fields forgive");
    QVERIFY2(std::all_of(shares.end() - 3, shares.end(), [](double share) { return share <= 0.25; }),
             "the last fields demand");
    const double correlation = rankCorrelation(shares, places);
    QVERIFY2(correlation <= -0.8, qPrintable(QString::number(correlation)));
}

// The first chapter holds no losing move a careful player takes; from the second on every field has
// a trap; chapter by chapter the means of look-ahead and trap density never fall, and the last
// chapter asks for looking ahead.
void BundledFieldsTest::chaptersTeachThenTrapMoreAndEveryFieldIsFair() {
    const QStringList levels = levelList();
    QVERIFY(levels.size() % kChapter == 0);
    // Chapters are of one size, so their sums compare as their means do.
    int lastLookAhead = 0;
    double lastTraps = 0;
    for (qsizetype first = 0; first < levels.size(); first += kChapter) {
        int lookAhead = 0;
        double traps = 0;
        for (qsizetype place = first; place < first + kChapter; ++place) {
            const FieldGrid field = bundledGrid(levels[place]);
            const int needed = lookAheadNeeded(field, 1).needed;
            const double density = trapDensity(field, 1).share;
            const double gap = gapBeforeDeadEnds(field, 1).median;
            const QString figures =
                QStringLiteral("%1: L* %2, traps %3, gap %4").arg(levels[place]).arg(needed).arg(density).arg(gap);
            QVERIFY2(needed <= kMostFairLookAhead && gap <= kMostFairGap, qPrintable(figures));
            QVERIFY2(first == 0 ? needed == 0 : density > 0, qPrintable(figures));
            lookAhead += needed;
            traps += density;
        }
        const QString sums = QStringLiteral("chapter %1: L* %2, traps %3 in all").arg(first / kChapter + 1).arg(lookAhead).arg(traps);
        QVERIFY2(lookAhead >= lastLookAhead && traps >= lastTraps, qPrintable(sums));
        lastLookAhead = lookAhead;
        lastTraps = traps;
    }
    QVERIFY2(lastLookAhead >= kLastChapterLookAhead * kChapter, qPrintable(QString::number(lastLookAhead)));
}

QTEST_GUILESS_MAIN(BundledFieldsTest)
#include "test_bundled_fields.moc"
