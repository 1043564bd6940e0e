// The fields that come with the game: a campaign of enough levels, listed in the order they are
// played with the shapes they were drawn with, each remade byte for byte by `kelvary-pole make`,
// each harvestable to the last bed, and graded in chapters by how people play them.
#include <QDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>
#include <map>

#include "core/Cp1251.h"
#include "play/Route.h"
#include "tools/pole/BundledFields.h"
#include "tools/pole/FieldSource.h"
#include "solver/ModelPlayers.h"
#include "solver/Rating.h"

namespace {
const QString kFolder = QStringLiteral(KELVARY_BUNDLED_FIELDS);
constexpr auto kSecondsPerSowing = std::chrono::seconds(10);  // as `make` allows
constexpr int kOrders = 300;
// Fewer than the campaign table's, so that the suite stays quick; the rules hold at both counts.
constexpr int kGames = 100;
constexpr int kChapter = 6;
// Chapter by chapter: the most the tidy player may win on average, and the least a player who
// looks two pairs ahead must.
constexpr std::array<double, 6> kMostTidy{1, 0.95, 0.85, 0.75, 0.6, 0.4};
constexpr std::array<double, 6> kLeastCareful{1, 0.95, 0.9, 0.8, 0.6, 0.4};
constexpr double kMostCarefulDrop = 0.5;  // from one field to the next: no wall
// Fair: the expert wins this share at least, and a mistake shows within so many pairs.
constexpr double kLeastExpert = 0.8;
constexpr double kMostFairGap = 6;
constexpr double kMostTidyFinale = 0.7;
constexpr int kLeastPairs = 12;            // after the first chapter: levels, not puzzles
constexpr double kLeastMeanPairs = 20;     // in every chapter

// As the new-game list shows them: "*.tvk" sorted by name ignoring case.
QStringList levelList() {
    return QDir(kFolder).entryList({QStringLiteral("*.tvk")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

FieldGrid bundledGrid(const QString& name) {
    const FieldSource source = readFieldSource(kFolder + QLatin1Char('/') + name);
    return source.field ? gridOf(source.field->records) : FieldGrid();
}

// What the campaign's rules look at on one field.
struct FieldFigures {
    QString name;
    int pairs = 0;
    double randomShare = 0;
    std::array<ModelFigures, kModelPlayers.size()> played;  // in the order of kModelPlayers
    double share(ModelPlayer player) const {
        return played[size_t(std::find(kModelPlayers.begin(), kModelPlayers.end(), player) - kModelPlayers.begin())].share;
    }
};

FieldFigures figuresOf(const QString& name) {
    const FieldGrid field = bundledGrid(name);
    const Rating rating = rateField(field, kOrders, 1);
    FieldFigures figures{name, rating.pairs, rating.share(), {}};
    for (size_t i = 0; i < kModelPlayers.size(); ++i)
        figures.played[i] = playModelGames(field, kModelPlayers[i], kGames, 1);
    return figures;
}

double meanOf(const std::vector<FieldFigures>& fields, const std::function<double(const FieldFigures&)>& value) {
    double sum = 0;
    for (const FieldFigures& field : fields)
        sum += value(field);
    return sum / double(fields.size());
}
}  // namespace

class BundledFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void theListHoldsEveryDesignInTheOrderOfItsLevels();
    void eachFieldHasTheShapeItWasDrawnWith();
    void makeRemakesEveryFieldWithAHarvestThatEmptiesIt();
    void theCampaignRisesForAThinkingPlayer();
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

// The first chapter teaches with no losing move; after it the tidy player, who takes the shortest
// route, wins less chapter by chapter and never three fields running, while a player who looks
// two pairs ahead climbs without a wall and the expert wins every field; every mistake shows soon.
void BundledFieldsTest::theCampaignRisesForAThinkingPlayer() {
    const QStringList levels = levelList();
    QCOMPARE(levels.size() % kChapter, 0);
    QCOMPARE(levels.size() / kChapter, qsizetype(kMostTidy.size()));
    std::vector<FieldFigures> all;
    for (const QString& name : levels)
        all.push_back(figuresOf(name));
    const auto tidy = [](const FieldFigures& field) { return field.share(ModelPlayer::Tidy); };
    const auto careful = [](const FieldFigures& field) { return field.share(ModelPlayer::Careful2); };
    for (size_t place = 0; place < all.size(); ++place) {
        const FieldFigures& field = all[place];
        QString figures = QStringLiteral("%1: %2 pairs, random %3").arg(field.name).arg(field.pairs).arg(field.randomShare);
        for (size_t i = 0; i < kModelPlayers.size(); ++i)
            figures += QStringLiteral(", %1 %2 gap %3").arg(modelPlayerName(kModelPlayers[i])).arg(field.played[i].share).arg(field.played[i].medianGap);
        const bool firstChapter = place < size_t(kChapter);
        QVERIFY2(!firstChapter || field.randomShare == 1, qPrintable(figures));
        QVERIFY2(firstChapter || field.pairs >= kLeastPairs, qPrintable(figures));
        QVERIFY2(field.share(ModelPlayer::Expert) >= kLeastExpert, qPrintable(figures));
        for (size_t i = 0; i + 1 < kModelPlayers.size(); ++i)
            QVERIFY2(field.played[i].medianGap <= kMostFairGap, qPrintable(figures));
        QVERIFY2(place == 0 || careful(all[place - 1]) - careful(field) <= kMostCarefulDrop, qPrintable(figures));
        const bool threeWonRunning = place >= size_t(kChapter) + 2 &&
                                     std::all_of(all.begin() + qsizetype(place) - 2, all.begin() + qsizetype(place) + 1,
                                                 [&](const FieldFigures& f) { return tidy(f) == 1; });
        QVERIFY2(!threeWonRunning, qPrintable(figures));
    }
    QVERIFY2(tidy(all.back()) <= kMostTidyFinale, qPrintable(all.back().name));
    double lastTidy = 1;
    for (size_t chapter = 0; chapter < kMostTidy.size(); ++chapter) {
        const std::vector<FieldFigures> fields(all.begin() + qsizetype(chapter * kChapter),
                                               all.begin() + qsizetype((chapter + 1) * kChapter));
        const double meanTidy = meanOf(fields, tidy);
        const double meanCareful = meanOf(fields, careful);
        const double meanPairs = meanOf(fields, [](const FieldFigures& field) { return double(field.pairs); });
        const QString means = QStringLiteral("chapter %1: tidy %2, careful-2 %3, %4 pairs")
                                  .arg(chapter + 1).arg(meanTidy).arg(meanCareful).arg(meanPairs);
        QVERIFY2(meanTidy <= kMostTidy[chapter] && meanTidy <= lastTidy, qPrintable(means));
        QVERIFY2(meanCareful >= kLeastCareful[chapter] && meanPairs >= kLeastMeanPairs, qPrintable(means));
        // From the second chapter on the obvious pair is a trap somewhere.
        QVERIFY2(chapter == 0 || std::any_of(fields.begin(), fields.end(), [&](const FieldFigures& f) { return tidy(f) < 1; }),
                 qPrintable(means));
        lastTidy = meanTidy;
    }
}

QTEST_GUILESS_MAIN(BundledFieldsTest)
#include "test_bundled_fields.moc"
