// The end of a game: the record question, choosing a player, the board, and leaving the program.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/GameState.h"
#include "menu/GameEnd.h"
#include "menu/Menu.h"
#include "play/Battery.h"
#include "players/PlayersState.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/frmDoska.h"
#include "ui/frmForma.h"
#include "ui/frmIgroki.h"

namespace {
const QString kQuestionStart = QStringLiteral("Поздравляю!!! Вы установили новый рекорд:");

// A game with the players Маша, Петя and Оля and the board as given (name, score), best first.
void startWith(GameFixture& game, const std::vector<std::pair<QString, int>>& board) {
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{QStringLiteral("Маша"), QStringLiteral("m.png")},
                                                                {QStringLiteral("Петя"), QStringLiteral("p.png")},
                                                                {QStringLiteral("Оля"), QStringLiteral("o.png")}}));
    game.start();
    for (size_t i = 0; i < board.size(); ++i)
        P.Leaders[i] = {board[i].first, board[i].first + QStringLiteral(".png"), board[i].second};
}

QStringList boardNames() {
    QStringList names;
    for (const Leader& leader : P.Leaders)
        names << QStringLiteral("%1 %2").arg(leader.Name).arg(leader.Score);
    return names;
}

// The player answers Yes, picks the line in the players list, and closes the board that follows.
void choosePlayer(ModalScript& script, int line, bool boardFollows = true) {
    script.then<frmIgroki>([line](frmIgroki& list) {
        QVERIFY(list.kOK->isVisible());
        clickLine(list.List1, line);
        QTest::mouseClick(list.kOK, Qt::LeftButton);
    });
    if (boardFollows)
        script.then<frmDoska>([](frmDoska& board) { QTest::mouseClick(board.kClose, Qt::LeftButton); });
}
}  // namespace

class GameEndTest : public QObject {
    Q_OBJECT
private slots:
    void onlyAHarvestAboveTheFifthPlaceIsOffered();
    void theQuestionListsTheLeadersThatThereAre();
    void aNewRecordGoesBelowEqualScores();
    void aPlayerAlreadyHigherIsRefusedAndAskedAgainAtClose();
    void aPlayerLowerOnTheBoardMovesUpOnlyOnce();
    void closingTheListWithoutAChoiceForfeitsTheRecord();
    void noToLeavingKeepsTheGameAndItsRecord();
    void theLeadersFileIsWrittenOnlyAfterANewEntry();
    void theEndWaitsForAnOpenPlayersList();
    void aCommandBehindAQueuedCloseDoesNotRun();
};

void GameEndTest::onlyAHarvestAboveTheFifthPlaceIsOffered() {
    GameFixture game;
    startWith(game, {{"A", 50}, {"B", 40}, {"C", 30}, {"D", 20}, {"E", 10}});
    G.GameMode = Mode::Playing;
    G.Harvest = 10;
    EndGame();
    QCOMPARE(G.GameMode, Mode::Over);
    QCOMPARE(G.Harvest, 10);
    QVERIFY(game.messages.empty());
    // An empty board takes any positive harvest, but never 0.
    P.Leaders = LeaderBoard{};
    G.Harvest = 0;
    EndGame();
    QVERIFY(game.messages.empty());
    G.Harvest = 1;
    game.answerNext(MsgAnswer::No);
    EndGame();
    QCOMPARE(game.messageTexts(), QStringList{kQuestionStart + QStringLiteral(" 1Кг\r\nХотите разместить своё имя на доске почёта?")});
    QCOMPARE(game.messages[0].icon, MsgIcon::Information);
    QCOMPARE(game.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(G.Harvest, 1);
}

void GameEndTest::theQuestionListsTheLeadersThatThereAre() {
    GameFixture game;
    startWith(game, {{"Оля", 500}, {"Маша", 120}, {"Ян", 7}});
    G.Harvest = 350;
    game.answerNext(MsgAnswer::No);
    EndGame();
    QCOMPARE(game.messageTexts(),
             QStringList{kQuestionStart + QStringLiteral(" 350Кг\r\nХотите разместить своё имя на доске почёта?"
                                                         "\r\n\r\nЛидеры:\r\n1) Оля 500Кг\r\n2) Маша 120Кг\r\n3) Ян 7Кг")});
}

void GameEndTest::aNewRecordGoesBelowEqualScores() {
    GameFixture game;
    startWith(game, {{"A", 50}, {"B", 30}, {"C", 30}, {"D", 20}, {"E", 10}});
    G.Harvest = 30;
    game.answerNext(MsgAnswer::Yes);
    ModalScript script;
    choosePlayer(script, 1);
    EndGame();
    QVERIFY(script.finished());
    QCOMPARE(boardNames(), QStringList({"A 50", "B 30", "C 30", QStringLiteral("Петя 30"), "D 20"}));
    QCOMPARE(P.Leaders[3].Photo, QStringLiteral("p.png"));
    QCOMPARE(P.LeadersChanged, 1);
    QCOMPARE(G.Harvest, 0);
}

void GameEndTest::aPlayerAlreadyHigherIsRefusedAndAskedAgainAtClose() {
    GameFixture game;
    startWith(game, {{"A", 50}, {QStringLiteral("мАША"), 40}, {"C", 5}});
    G.GameMode = Mode::Playing;
    G.Harvest = 40;
    game.answerNext(MsgAnswer::Yes);
    ModalScript script;
    choosePlayer(script, 0, false);
    EndGame();
    QVERIFY(script.finished());
    QCOMPARE(game.messageTexts().last(), QStringLiteral("Извините, но ваше имя уже на доске почета с результатом 40Кг"));
    QCOMPARE(game.messages.back().icon, MsgIcon::Information);
    QCOMPARE(boardNames(), QStringList({"A 50", QStringLiteral("мАША 40"), "C 5", " 0", " 0"}));
    QCOMPARE(G.Harvest, 40);
    QCOMPARE(P.LeadersChanged, 0);
    // Closing the program offers the record again.
    game.messages.clear();
    game.answerNext(MsgAnswer::No);
    game.window().close();
    QCOMPARE(game.messages.size(), size_t(1));
    QVERIFY(game.messages[0].text.startsWith(kQuestionStart));
    QVERIFY(game.readFile(QStringLiteral("Lidery.ini")).isEmpty());
}

void GameEndTest::aPlayerLowerOnTheBoardMovesUpOnlyOnce() {
    GameFixture game;
    startWith(game, {{"A", 50}, {"B", 40}, {"C", 30}, {QStringLiteral("ПЕТЯ"), 20}, {"E", 10}});
    G.Harvest = 45;
    game.answerNext(MsgAnswer::Yes);
    ModalScript script;
    choosePlayer(script, 1);
    EndGame();
    QVERIFY(script.finished());
    QCOMPARE(boardNames(), QStringList({"A 50", QStringLiteral("Петя 45"), "B 40", "C 30", "E 10"}));
    // From the last place, too, the old entry goes and nothing is lost above it.
    G.Harvest = 60;
    P.Leaders[4] = {QStringLiteral("Оля"), QStringLiteral("o.png"), 11};
    game.answerNext(MsgAnswer::Yes);
    choosePlayer(script, 2);
    EndGame();
    QCOMPARE(boardNames(), QStringList({QStringLiteral("Оля 60"), "A 50", QStringLiteral("Петя 45"), "B 40", "C 30"}));
}

void GameEndTest::closingTheListWithoutAChoiceForfeitsTheRecord() {
    GameFixture game;
    startWith(game, {});
    G.GameMode = Mode::Playing;
    G.Harvest = 12;
    game.answerNext(MsgAnswer::Yes);
    game.answerNext(MsgAnswer::Yes);  // the result is given up knowingly
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        clickLine(list.List1, 0);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    EndGame();
    QVERIFY(script.finished());
    QCOMPARE(G.Harvest, 0);
    QCOMPARE(P.Leaders[0].Score, 0);
    // No second offer when the program closes, and no leaders file.
    game.window().close();
    QCOMPARE(game.messages.size(), size_t(2));
    QVERIFY(!game.window().isVisible());
    QVERIFY(game.readFile(QStringLiteral("Lidery.ini")).isEmpty());
}

void GameEndTest::noToLeavingKeepsTheGameAndItsRecord() {
    GameFixture game;
    startWith(game, {});
    G.GameMode = Mode::Playing;
    G.Harvest = 12;
    game.answerNext(MsgAnswer::No);
    QVERIFY(!game.window().close());
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Закрыть программу?")});
    QCOMPARE(G.GameMode, Mode::Playing);
    QCOMPARE(G.Harvest, 12);
    QVERIFY(game.window().isVisible());
}

void GameEndTest::theLeadersFileIsWrittenOnlyAfterANewEntry() {
    QByteArray written;
    {
        GameFixture game;
        startWith(game, {});
        G.GameMode = Mode::Playing;
        G.Harvest = 12;
        game.answerNext(MsgAnswer::Yes);  // leaving
        game.answerNext(MsgAnswer::Yes);  // the record
        ModalScript script;
        choosePlayer(script, 2);
        game.window().close();
        QVERIFY(script.finished());
        QVERIFY(!game.window().isVisible());
        written = game.readFile(QStringLiteral("Lidery.ini"));
    }
    QVERIFY(written.startsWith("[tavik_lidery]\r\n"));
    GameFixture restart;
    restart.writeFile(QStringLiteral("Lidery.ini"), written);
    restart.start();
    QCOMPARE(boardNames(), QStringList({QStringLiteral("Оля 12"), " 0", " 0", " 0", " 0"}));
}

void GameEndTest::theEndWaitsForAnOpenPlayersList() {
    GameFixture game;
    startWith(game, {});
    G.GameMode = Mode::Playing;
    G.Harvest = 12;
    G.BatteryCharge = 0;
    G.LampBlinks = 1;
    game.answerNext(MsgAnswer::No);
    ModalScript script;
    script.then<frmIgroki>([&game](frmIgroki& list) {
        TimerAkamulyatorLampa();  // the last blinking ends while the list is open
        QVERIFY(game.messages.empty());
        QCOMPARE(G.GameMode, Mode::Playing);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Список игроков"));
    QVERIFY(script.finished());
    QTRY_COMPARE(G.GameMode, Mode::Over);
    QCOMPARE(game.messages.size(), size_t(2));  // the game over, then the record question
    QCOMPARE(game.messages[0].text, QStringLiteral("Игра окончена!\nУ робота сел аккамулятор."));
}

void GameEndTest::aCommandBehindAQueuedCloseDoesNotRun() {
    GameFixture game;
    startWith(game, {});
    QMetaObject::invokeMethod(&game.window(), &QWidget::close, Qt::QueuedConnection);  // the close button, clicked just after
    ModalScript noWindow;
    RunMenuItem(QStringLiteral("Новая игра"));
    QVERIFY(!game.window().isVisible());
    QVERIFY(noWindow.finished());
}

QTEST_MAIN(GameEndTest)
#include "test_gameend.moc"
