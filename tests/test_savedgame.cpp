// A game in progress saved to a "*.tgm" file and continued later: the dialogs, the replace
// question, what comes back on screen, and damaged files that leave the game as it was.
#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include "core/CharTable.h"
#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/TextFile.h"
#include "menu/Menu.h"
#include "menu/SavedGame.h"
#include "menu/SavedGameFormat.h"
#include "play/Battery.h"
#include "support/ModalScript.h"
#include "support/GameFixture.h"
#include "support/Pixels.h"
#include "ui/Forma.h"

namespace {
// A game on its second level, with a spent lamp and a harvest to show, and field names that
// blanks, commas and quotes make awkward to write.
void playSomeWay() {
    layOutForPlay({{0, 0, 5}, {3, 0, 5}, {7, 2, 1}, {15, 9, 33}, {14, 9, 33}});
    G.LevelNumber = 2;
    G.Harvest = 12;
    G.BatteryCharge = 3;
    G.FirstFieldName = QStringLiteral("Поле, \"первое\" ");
    G.PlayedFields = {QStringLiteral(" a.tvk"), QStringLiteral("b.tvk"), QStringLiteral(","), QStringLiteral("\""),
                      QStringLiteral(" ")};
}

struct Snapshot {
    GameState state;
    QImage field, level, harvest, battery;
};
Snapshot snapshot() {
    const Forma& f = forma();
    return {G, onScreen(f.picPole), onScreen(f.picUroven), onScreen(f.picKG), onScreen(f.picAkamulyator)};
}

bool sameGame(const Snapshot& a, const Snapshot& b) {
    const GameState& x = a.state;
    const GameState& y = b.state;
    return x.GameMode == y.GameMode && x.FieldGrid == y.FieldGrid && x.LevelNumber == y.LevelNumber &&
           x.Harvest == y.Harvest && x.BatteryCharge == y.BatteryCharge && x.FirstFieldName == y.FirstFieldName &&
           x.PlayedFields == y.PlayedFields && x.GameFileName == y.GameFileName && x.PictureCount == y.PictureCount;
}

bool sameScreen(const Snapshot& a, const Snapshot& b) {
    return a.field == b.field && a.level == b.level && a.harvest == b.harvest && a.battery == b.battery;
}

// A saved game written by hand, line by line before scrambling, so a test can damage any part.
QByteArray handMadeGame(const QList<QByteArray>& plain, int32_t seed = 77) {
    const CharTable table = scrambleTable(seed);
    QList<QByteArray> lines{"[tavik_game]", numberLine(seed)};
    for (qsizetype i = 0; i < plain.size(); ++i)
        lines.append(i == 4 ? plain[i] : translated(plain[i], table));  // the count stays plain
    return joinLines(lines);
}

const QByteArray kFullCharge = QByteArray::number(kBatteryCapacity);
const QList<QByteArray> kGoodGame{"3", "4", kFullCharge, "a.tvk", " 0 ", "a.tvk", " 0 0 5 1 0 5"};
}  // namespace

class SavedGameTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondSaveReplacesTheFileWithoutADialog();
    void saveAsAsksOnlyBeforeReplacingAnotherFile();
    void aNameWithoutExtensionGetsTgm();
    void aCancelledDialogChangesNothing();
    void aGameOnTheStartFieldHasNoPlayedFields();
    void aLoadShowsLevelHarvestAndBattery();
    void aResumedGameGoesOnThroughTheSameLevels();
    void aMissingSavedGameIsReported();
    void aDamagedSavedGameLeavesTheGameAsItWas_data();
    void aDamagedSavedGameLeavesTheGameAsItWas();
    void aFailedSaveIsReportedAndKeepsTheName();
    void saveIsOnlyForAGameInPlay();
};

void SavedGameTest::aSecondSaveReplacesTheFileWithoutADialog() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    playSomeWay();
    const Snapshot saved = snapshot();
    dialogs.answerFile(game.folder() + "game.tgm");
    RunMenuItem(QStringLiteral("Сохранить"));
    QCOMPARE(dialogs.fileDialogs.size(), size_t(1));
    const SeenFileDialog& dialog = dialogs.fileDialogs.front();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.folder, game.folder());
    QCOMPARE(dialog.nameBox, QString());
    QCOMPARE(dialog.filters, (QStringList{"Результаты игры (*.tgm)", "Все файлы (*)"}));
    QVERIFY(!dialog.asksBeforeReplacing);
    QCOMPARE(dialog.defaultSuffix, QString());
    QCOMPARE(G.GameFileName, game.folder() + "game.tgm");
    const QByteArray first = game.readFile("game.tgm");
    QVERIFY(first.startsWith("[tavik_game]\r\n"));
    // Russian names are kept as Windows-1251 bytes, one per letter.
    QCOMPARE(readTextLines(game.folder() + "game.tgm").lines.value(5).size(), G.FirstFieldName.size());

    QThread::msleep(3);  // the seed comes from the time of day
    RunMenuItem(QStringLiteral("Сохранить"));
    QCOMPARE(dialogs.fileDialogs.size(), size_t(1));
    const QByteArray second = game.readFile("game.tgm");
    QVERIFY(second != first);
    QVERIFY(game.messages.empty());

    // Both load to the same game.
    for (const QByteArray& bytes : {first, second}) {
        game.writeFile("copy.tgm", bytes);
        layOutForPlay({{9, 9, 9}, {8, 8, 9}});
        G.FirstFieldName.clear();
        G.PlayedFields.clear();
        dialogs.answerFile(game.folder() + "copy.tgm");
        RunMenuItem(QStringLiteral("Продолжить игру"));
        QVERIFY(!dialogs.fileDialogs.back().save);
        QCOMPARE(dialogs.fileDialogs.back().folder, game.folder());
        QCOMPARE(G.GameMode, Mode::Playing);
        QCOMPARE(G.LevelNumber, 2);
        QCOMPARE(G.Harvest, 12);
        QCOMPARE(G.BatteryCharge, 3);
        QCOMPARE(G.PictureCount, 4);
        QCOMPARE(G.FieldGrid(7, 2), kFence);
        QCOMPARE(G.FieldGrid(15, 9), 33);
        QCOMPARE(G.FieldGrid(9, 9), kEmpty);
        QCOMPARE(G.GameFileName, game.folder() + "copy.tgm");
        QCOMPARE(G.FirstFieldName, saved.state.FirstFieldName);
        QCOMPARE(G.PlayedFields, saved.state.PlayedFields);
    }
    QVERIFY(!dialogs.unexpected && game.messages.empty());
}

void SavedGameTest::saveAsAsksOnlyBeforeReplacingAnotherFile() {
    GameFixture game;
    ModalScript dialogs;
    game.writeFile("other.tgm", "keep me");
    game.start();
    playSomeWay();
    const QString mine = game.folder() + "mine.tgm";
    WriteGameFile(mine);
    const QByteArray saved = game.readFile("mine.tgm");
    dialogs.answerFile(mine);
    QThread::msleep(3);
    RunMenuItem(QStringLiteral("Сохранить как..."));
    QCOMPARE(dialogs.fileDialogs.back().folder, game.folder());
    QCOMPARE(dialogs.fileDialogs.back().nameBox, QStringLiteral("mine.tgm"));
    QVERIFY(game.messages.empty());
    QVERIFY(game.readFile("mine.tgm") != saved);

    dialogs.answerFile(game.folder() + "other.tgm");
    game.answerNext(MsgAnswer::No);
    RunMenuItem(QStringLiteral("Сохранить как..."));
    QCOMPARE(game.messageTexts(),
             QStringList{"Файл " + game.folder() + "other.tgm уже существует.\nЗаменить его?"});
    QCOMPARE(game.messages.front().defaultAnswer, MsgAnswer::No);
    QCOMPARE(game.messages.front().icon, MsgIcon::Warning);
    QCOMPARE(game.readFile("other.tgm"), QByteArray("keep me"));
    QCOMPARE(G.GameFileName, mine);

    dialogs.answerFile(game.folder() + "other.tgm");
    game.answerNext(MsgAnswer::Yes);
    RunMenuItem(QStringLiteral("Сохранить как..."));
    QVERIFY(game.readFile("other.tgm").startsWith("[tavik_game]"));
    QCOMPARE(G.GameFileName, game.folder() + "other.tgm");
}

void SavedGameTest::aNameWithoutExtensionGetsTgm() {
    GameFixture game;
    ModalScript dialogs;
    QDir(game.folder()).mkpath(QStringLiteral("a.b"));
    game.start();
    playSomeWay();
    for (const char* typed : {"plain", "x.txt", "a.b/game"}) {
        dialogs.answerFile(game.folder() + typed);
        RunMenuItem(QStringLiteral("Сохранить как..."));
    }
    for (const char* written : {"plain.tgm", "x.txt", "a.b/game.tgm"})
        QVERIFY2(game.readFile(written).startsWith("[tavik_game]"), written);
    QVERIFY(!QFile::exists(game.folder() + "a.b/game"));
    QCOMPARE(PoiskTochki(QStringLiteral("/home/x.txt")), 8);
    QCOMPARE(PoiskTochki(QStringLiteral("/home/a.b/game")), 0);
    QCOMPARE(PoiskTochki(QStringLiteral("C:\\a.b\\game")), 0);
    QCOMPARE(PoiskTochki(QStringLiteral(".ab")), 0);  // the first three characters never count
    QCOMPARE(PoiskTochki(QStringLiteral("abc.")), 4);

    // Opening appends it too.
    dialogs.answerFile(game.folder() + "plain");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QCOMPARE(G.GameFileName, game.folder() + "plain.tgm");
    QVERIFY(game.messages.empty());
}

void SavedGameTest::aCancelledDialogChangesNothing() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    playSomeWay();
    const Snapshot before = snapshot();
    dialogs.answerFile(std::nullopt);
    RunMenuItem(QStringLiteral("Сохранить"));
    dialogs.answerFile(std::nullopt);
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QCOMPARE(dialogs.fileDialogs.size(), size_t(2));
    QVERIFY(sameGame(before, snapshot()));
    QVERIFY(game.messages.empty());
    QCOMPARE(QDir(game.folder()).entryList(QDir::Files), QStringList{});
}

void SavedGameTest::aGameOnTheStartFieldHasNoPlayedFields() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    G.NoTractor = 1;
    dialogs.startAt(0);
    RunMenuItem(QStringLiteral("Новая игра"));
    WriteGameFile(game.folder() + "start.tgm");
    const QList<QByteArray> lines = readTextLines(game.folder() + "start.tgm").lines;
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[6], QByteArray("-1 "));
    QCOMPARE(lines[7].size(), 32 * 6);

    G.PlayedFields = {QStringLiteral("x.tvk")};
    dialogs.answerFile(game.folder() + "start.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QCOMPARE(G.PlayedFields, QStringList{});
    QCOMPARE(G.FirstFieldName, kStartEntry);
    QCOMPARE(G.PictureCount, 32);
}

void SavedGameTest::aLoadShowsLevelHarvestAndBattery() {
    GameFixture game;
    ModalScript dialogs;
    game.writeFile("full.tgm", handMadeGame({"3", "0", kFullCharge, "a.tvk", " -1 ", " 0 0 5 1 0 5"}));
    game.writeFile("low.tgm", handMadeGame({"1234", "86", "2", "a.tvk", " -1 ", " 0 0 5 1 0 5"}));
    game.start();
    G.NoTractor = 1;
    const Forma& f = forma();
    dialogs.answerFile(game.folder() + "full.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QVERIFY(panelShows(f.picKG, 119, 0));
    QVERIFY(panelShows(f.picUroven, 75, 3));
    // A full battery: the picture has a lit lamp for every unit, and none beyond.
    for (int unit = 0; unit < kBatteryCapacity; ++unit)
        QVERIFY2(lampLit(unit), qPrintable(QStringLiteral("the battery picture lacks lamp %1").arg(unit)));
    if (lampX(kBatteryCapacity) + 20 <= f.picAkamulyator.width())
        QVERIFY2(!lampLit(kBatteryCapacity), "the battery picture has more lamps than the battery has units");
    QVERIFY(f.picUroven.isVisible() && f.picKG.isVisible() && f.picAkamulyator.isVisible());

    dialogs.answerFile(game.folder() + "low.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QVERIFY(panelShows(f.picKG, 119, 86));
    QVERIFY(panelShows(f.picUroven, 75, 1234));
    QVERIFY(lampLit(0) && lampLit(1));
    for (int unit = 2; unit < kBatteryCapacity; ++unit)
        QVERIFY(lampSpent(unit));
    QVERIFY(game.messages.empty());
}

void SavedGameTest::aResumedGameGoesOnThroughTheSameLevels() {
    GameFixture game;
    ModalScript dialogs;
    for (int i = 0; i < 3; ++i)
        game.writeFile(QStringLiteral("Pole/%1.tvk").arg(QChar('a' + i)),
                       fieldFileBytes({{i, 0, 2 + i}, {i, 1, 2 + i}}, 50 + i, 0));
    game.start();
    G.NoTractor = 1;
    dialogs.startAt(1);
    RunMenuItem(QStringLiteral("Новая игра"));
    dialogs.answerFile(game.folder() + "a-level");
    RunMenuItem(QStringLiteral("Сохранить"));

    // Another game in between, then back to the saved one.
    dialogs.startAt(0);
    RunMenuItem(QStringLiteral("Новая игра"));
    NewUroven(-1);
    dialogs.answerFile(game.folder() + "a-level.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QCOMPARE(G.FirstFieldName, QStringLiteral("a.tvk"));
    QCOMPARE(G.PlayedFields, QStringList{"a.tvk"});
    QCOMPARE(G.FieldGrid(0, 0), 2);
    NewUroven(-1);
    QCOMPARE(G.FieldGrid(1, 0), 3);
    QCOMPARE(G.LevelNumber, 2);
    NewUroven(-1);
    QCOMPARE(G.FieldGrid(2, 0), 4);
    QCOMPARE(G.PlayedFields, (QStringList{"a.tvk", "b.tvk", "c.tvk"}));
    QVERIFY(game.messages.empty());
}

void SavedGameTest::aMissingSavedGameIsReported() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    playSomeWay();
    const Snapshot before = snapshot();
    dialogs.answerFile(game.folder() + "missing.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    dialogs.answerFile(game.folder() + "Pole");  // a folder with no extension: "Pole.tgm" is missing
    RunMenuItem(QStringLiteral("Продолжить игру"));
    QCOMPARE(game.messageTexts(), QStringList{"Файл " + game.folder() + "missing.tgm не найден."});
    QCOMPARE(game.messages.front().icon, MsgIcon::Critical);
    QVERIFY(sameGame(before, snapshot()));
}

void SavedGameTest::aDamagedSavedGameLeavesTheGameAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("suitable");
    auto with = [](int line, const QByteArray& text) {
        QList<QByteArray> plain = kGoodGame;
        plain[line] = text;
        return handMadeGame(plain);
    };
    QTest::newRow("the good one, for comparison") << handMadeGame(kGoodGame) << true;
    QTest::newRow("last line missing") << handMadeGame(kGoodGame.first(6)) << false;
    QTest::newRow("only the magic") << QByteArray("[tavik_game]\r\n") << false;
    QTest::newRow("magic in other letters") << handMadeGame(kGoodGame).replace("[tavik_game]", "[Tavik_Game]") << false;
    QTest::newRow("seed not a number") << handMadeGame(kGoodGame).replace(" 77 ", " 7x ") << false;
    QTest::newRow("more names counted than there are") << with(4, " 2 ") << false;
    QTest::newRow("fewer names counted than there are") << with(4, " -1 ") << false;
    QTest::newRow("count below -1") << with(4, " -2 ") << false;
    QTest::newRow("absurd count") << with(4, " 2147483647 ") << false;
    QTest::newRow("level not a number") << with(0, "three") << false;
    QTest::newRow("harvest not a number") << with(1, "") << false;
    QTest::newRow("negative harvest") << with(1, "-4") << false;
    QTest::newRow("harvest beyond its panel") << with(1, QByteArray::number(kMaxHarvest + 1)) << false;
    QTest::newRow("level beyond its panel") << with(0, QByteArray::number(kMaxLevel + 1)) << false;
    QTest::newRow("battery above full") << with(2, QByteArray::number(kBatteryCapacity + 1)) << false;
    QTest::newRow("negative battery") << with(2, "-1") << false;
    QTest::newRow("records cut short") << with(6, " 0 0 5 1 0") << false;
    QTest::newRow("column 16") << with(6, " 0 0 516 0 5") << false;
    QTest::newRow("row 10") << with(6, " 0 0 5 110 5") << false;
    QTest::newRow("code 34") << with(6, " 0 0 5 1 034") << false;
    QTest::newRow("record not numbers") << with(6, " 0 0 5 1 0+5") << false;
    QTest::newRow("one cell twice") << with(6, " 0 0 5 0 0 5") << false;
    QTest::newRow("no crop left") << with(6, " 0 0 1 1 0 1") << false;
    QTest::newRow("empty file") << QByteArray("") << false;
    QTest::newRow("a field file") << fieldFileBytes({{0, 0, 5}, {1, 0, 5}}, 5, 0) << false;
}

void SavedGameTest::aDamagedSavedGameLeavesTheGameAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, suitable);
    GameFixture game;
    ModalScript dialogs;
    game.writeFile("bad.tgm", bytes);
    game.start();
    playSomeWay();
    G.GameFileName = game.folder() + "before.tgm";
    const Snapshot before = snapshot();
    dialogs.answerFile(game.folder() + "bad.tgm");
    RunMenuItem(QStringLiteral("Продолжить игру"));
    if (suitable) {
        QVERIFY(game.messages.empty());
        QCOMPARE(G.FieldGrid(1, 0), 5);
        QCOMPARE(G.PlayedFields, QStringList{"a.tvk"});
        return;
    }
    QCOMPARE(game.messageTexts(), QStringList{"Файл " + game.folder() + "bad.tgm не подходит к программе."});
    QCOMPARE(game.messages.front().icon, MsgIcon::Critical);
    const Snapshot after = snapshot();
    QVERIFY(sameGame(before, after));
    QVERIFY(sameScreen(before, after));
}

void SavedGameTest::aFailedSaveIsReportedAndKeepsTheName() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    playSomeWay();
    G.GameFileName = game.folder() + "earlier.tgm";
    dialogs.answerFile(game.folder() + "no such folder/game.tgm");
    RunMenuItem(QStringLiteral("Сохранить как..."));
    QCOMPARE(game.messageTexts(),
             QStringList{"Файл " + game.folder() + "no such folder/game.tgm сохранить не возможно."});
    QCOMPARE(G.GameFileName, game.folder() + "earlier.tgm");

    // A game the reader would refuse is not written over a good one.
    game.writeFile("earlier.tgm", "good");
    G.Harvest = -1;
    RunMenuItem(QStringLiteral("Сохранить"));
    QCOMPARE(game.messageTexts().last(), "Файл " + game.folder() + "earlier.tgm сохранить не возможно.");
    QCOMPARE(game.readFile("earlier.tgm"), QByteArray("good"));
    G.Harvest = 12;

    QDir(game.folder()).mkpath(QStringLiteral("locked"));
    game.writeFile("locked/game.tgm", "old");
    QFile::setPermissions(game.folder() + "locked", QFile::ReadOwner | QFile::ExeOwner);
    const auto writable = qScopeGuard([&] {
        QFile::setPermissions(game.folder() + "locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(game.folder() + "locked/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("this user writes into read-only folders");
    }
    G.GameFileName = game.folder() + "locked/game.tgm";
    RunMenuItem(QStringLiteral("Сохранить"));
    QCOMPARE(game.messageTexts().last(), "Файл " + game.folder() + "locked/game.tgm защищён от записи.");
    QCOMPARE(game.readFile("locked/game.tgm"), QByteArray("old"));
}

void SavedGameTest::saveIsOnlyForAGameInPlay() {
    GameFixture game;
    ModalScript dialogs;
    game.start();
    for (Mode mode : {Mode::NothingBegun, Mode::Over}) {
        G.GameMode = mode;
        RunMenuItem(QStringLiteral("Сохранить"));
        RunMenuItem(QStringLiteral("Сохранить как..."));
    }
    QVERIFY(dialogs.fileDialogs.empty());
    QVERIFY(!dialogs.unexpected);
}

QTEST_MAIN(SavedGameTest)
#include "test_savedgame.moc"
