// A game runs through the field files of "Pole" level by level, from the entry the player chose
// in "Новая игра", skipping what it cannot read, until the congratulation.
#include <QDir>
#include <QTest>

#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "menu/Menu.h"
#include "support/ModalScript.h"
#include "support/GameFixture.h"
#include "support/Pixels.h"
#include "ui/Forma.h"

namespace {
const QString kCongratulation = QStringLiteral("Поздравляю! Весь урожай собран!");

// Field file i holds one pair in column i, so the field on screen tells which file it came from.
void putLevels(GameFixture& game, const QStringList& names) {
    for (int i = 0; i < names.size(); ++i)
        game.writeFile("Pole/" + names[i], fieldFileBytes({{i, 0, 2 + i}, {i, 1, 2 + i}}, 100 + i, 0));
}

QString fieldShown(const QStringList& names) {
    if (G.FieldGrid(0, 4) != kEmpty)
        return kStartEntry;
    for (int i = 0; i < names.size(); ++i)
        if (G.FieldGrid(i, 0) == 2 + i && G.FieldGrid(i, 1) == 2 + i)
            return names[i];
    return QString();
}

bool levelPanelBlank() { return bare(forma().picUroven); }
bool levelPanelShows(int n) { return panelShows(forma().picUroven, 75, n); }

// Begins a game in "Новая игра" at the entry, with fields laid out at once.
void beginAt(ModalScript& dialogs, int entry) {
    G.NoTractor = 1;
    dialogs.startAt(entry);
    RunMenuItem(QStringLiteral("Новая игра"));
}

// The robot has just harvested the last pair of the field.
void harvestTheField() { NewUroven(-1); }
}  // namespace

class LevelsTest : public QObject {
    Q_OBJECT
private slots:
    void theLastFileOfTheListIsTheOnlyLevel();
    void theSecondOfThreeFilesGoesOnWithTheThirdWhateverItsCase();
    void theStartFieldIsFollowedByEveryFileAsLevelsTwoAndThree();
    void theFieldLastPlayedIsPreselectedNextTime();
    void aMissingPoleFolderIsReportedAndOnlyTheStartFieldIsOffered();
};

void LevelsTest::theLastFileOfTheListIsTheOnlyLevel() {
    GameFixture game;
    ModalScript dialogs;
    const QStringList names{"a.tvk", "b.tvk", "c.tvk"};
    putLevels(game, names);
    // Hidden files and names the saved game could not store are not levels.
    for (const QString& stray : {QStringLiteral(".hidden.tvk"), QStringLiteral("z☺.tvk")})
        game.writeFile(QStringLiteral("Pole/") + stray, game.readFile(QStringLiteral("Pole/a.tvk")));
    game.start();
    beginAt(dialogs, 3);
    QCOMPARE(dialogs.startEntries, (QStringList{kStartEntry, "a", "b", "c"}));
    QCOMPARE(fieldShown(names), QStringLiteral("c.tvk"));
    QCOMPARE(forma().banner.caption(), QStringLiteral("c"));
    QCOMPARE(G.GameMode, Mode::Playing);
    QVERIFY(levelPanelShows(1));
    harvestTheField();
    QCOMPARE(game.messageTexts(), QStringList{kCongratulation});
    QCOMPARE(game.messages.front().icon, MsgIcon::Information);
    QCOMPARE(G.GameMode, Mode::Over);
    QVERIFY(!dialogs.unexpected);
}

void LevelsTest::theSecondOfThreeFilesGoesOnWithTheThirdWhateverItsCase() {
    GameFixture game;
    ModalScript dialogs;
    const QStringList names{"a.tvk", "B.TVK", "c.tvk"};
    putLevels(game, names);
    game.start();
    beginAt(dialogs, 2);
    QCOMPARE(fieldShown(names), QStringLiteral("B.TVK"));
    QCOMPARE(forma().banner.caption(), QStringLiteral("B"));
    QCOMPARE(G.LastFieldName, QStringLiteral("b.tvk"));
    QVERIFY(levelPanelShows(1));
    G.BatteryCharge = 2;
    G.Harvest = 1;
    harvestTheField();
    QCOMPARE(fieldShown(names), QStringLiteral("c.tvk"));
    QVERIFY(levelPanelShows(2));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);  // every level refills the battery; the harvest carries over
    QCOMPARE(G.Harvest, 1);
    QCOMPARE(G.PlayedFields, (QStringList{"b.tvk", "c.tvk"}));
    game.answerNext(MsgAnswer::No);  // the harvest would go onto the empty honour board
    harvestTheField();
    QCOMPARE(game.messageTexts().value(0), kCongratulation);
    QCOMPARE(G.GameMode, Mode::Over);
    QCOMPARE(forma().banner.caption(), QString());  // the motto again
}

void LevelsTest::theStartFieldIsFollowedByEveryFileAsLevelsTwoAndThree() {
    GameFixture game;
    ModalScript dialogs;
    const QStringList names{"a.tvk", "b.tvk"};
    putLevels(game, names);
    game.start();
    beginAt(dialogs, 0);
    QCOMPARE(fieldShown(names), kStartEntry);
    QCOMPARE(forma().banner.caption(), kStartEntry);
    QCOMPARE(G.PictureCount, 32);
    QVERIFY(levelPanelBlank());
    harvestTheField();
    QCOMPARE(fieldShown(names), QStringLiteral("a.tvk"));
    QVERIFY(levelPanelShows(2));
    harvestTheField();
    QCOMPARE(fieldShown(names), QStringLiteral("b.tvk"));
    QVERIFY(levelPanelShows(3));
    QVERIFY(game.messages.empty());
    harvestTheField();
    QCOMPARE(game.messageTexts(), QStringList{kCongratulation});
}

void LevelsTest::theFieldLastPlayedIsPreselectedNextTime() {
    GameFixture game;
    ModalScript dialogs;
    const QStringList names{"a.tvk", "b.tvk", "C.TVK"};
    putLevels(game, names);
    game.start();
    beginAt(dialogs, 0);
    QCOMPARE(dialogs.startPreselected, 0);
    harvestTheField();
    beginAt(dialogs, 3);
    QCOMPARE(dialogs.startPreselected, 1);  // "a.tvk", the last field loaded
    QCOMPARE(G.LastFieldName, QStringLiteral("c.tvk"));
    // A field loaded in an earlier run comes back through the settings file.
    game.answerNext(MsgAnswer::Yes);
    forma().close();
    GameFixture nextRun;
    putLevels(nextRun, names);
    nextRun.writeFile("Tavik.ini", game.readFile("Tavik.ini"));
    nextRun.start();
    beginAt(dialogs, 0);
    QCOMPARE(dialogs.startPreselected, 3);
}

void LevelsTest::aMissingPoleFolderIsReportedAndOnlyTheStartFieldIsOffered() {
    GameFixture game;
    ModalScript dialogs;
    QDir(game.folder() + "Pole").removeRecursively();
    game.start();
    beginAt(dialogs, 0);
    QCOMPARE(dialogs.startEntries, QStringList{kStartEntry});
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Папка \"Pole\" не найдена.")});
    QCOMPARE(game.messages.front().icon, MsgIcon::Critical);
    harvestTheField();
    QCOMPARE(game.messageTexts().last(), kCongratulation);
    QCOMPARE(G.GameMode, Mode::Over);
}

QTEST_MAIN(LevelsTest)
#include "test_levels.moc"
