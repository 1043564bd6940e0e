// Playing a field: picks and flags, the robot's run, the harvest counter, the battery, the tractor and
// the field input, on the real window with the timers ticked by the test.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "core/Digits.h"
#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/RobotRun.h"
#include "play/Route.h"
#include "play/Tractor.h"
#include "play/VyborZnaka.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/frmForma.h"

namespace {
void pickAt(int col, int row) {
    KursorKvadrat(col, row);
    VyborZnaka();
}


// Runs the robot until its run ends; the number of ticks it took.
int runRobot() {
    int ticks = 0;
    while (forma().TimerRobot.isEnabled() && ticks < 1000) {
        TimerDvigenieRobota();
        ++ticks;
    }
    return ticks;
}

void blinkOut() {
    for (int tick = 0; tick < 5 && forma().TimerAkamulyator.isEnabled(); ++tick)
        TimerAkamulyatorLampa();
}

void startGame(GameFixture& game) {
    game.start();
    QTest::keyClick(&game.box("picMenu"), Qt::Key_Escape);
}
}  // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void firstPickIsFlaggedAndCanBeTakenBack();
    void emptyCellsAndFencesKeepTheFirstPick();
    void aPairWithoutARouteCostsAUnitAndLeavesBothPictures();
    void neighboursRunAtHalfSpeedInFourTicks();
    void longerRouteRunsAtFullSpeedAndHarvestCounts();
    void eachWrongPickSpendsALampUntilTheBatteryEndsTheGame();
    void aSixthWrongPickDuringTheLastBlinkingEndsTheGameOnce();
    void theHarvestCountsNoFurtherThanItsPanelShows();
    void aWrongPickDuringTheBlinkingMovesToTheNextLamp();
    void aRunThatEndsWhileTheLampBlinksKeepsTheFieldBlocked();
    void aStepBackReturnsTheLastPairsForAUnitEach();
    void anEmptyBatteryEndsTheGameOnlyOnceTheRobotHasStopped_data();
    void anEmptyBatteryEndsTheGameOnlyOnceTheRobotHasStopped();
    void tractorSowsBedByBedInOneHundredSixtyTicks();
    void pressesAndKeysFollowTheRulesOfTheField();
    void aPickIsNeverHandledInsideAnotherPick();
    void fieldInputArrivingDuringAPickIsDropped();
    void layingOutAFieldStopsTheOldFieldsTimers();
    void startFieldIsShuffledAndItsLastPairEndsTheGame();
    void aGameOverPickRepeatsTheMessage();
};

void PlayTest::firstPickIsFlaggedAndCanBeTakenBack() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{2, 3, 9}, {7, 3, 9}});
    pickAt(2, 3);
    QCOMPARE(G.PickCol, 2);
    QCOMPARE(G.CurrentSign, 9);
    QVERIFY(flagged(2, 3, 9));
    pickAt(2, 3);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(cellShows(2, 3, 9));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
    // The right button or Delete drops a first pick too, at no cost.
    pickAt(7, 3);
    QTest::keyClick(&game.box("picPole"), Qt::Key_Delete);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(cellShows(7, 3, 9));
    pickAt(7, 3);
    click(game.box("picPole"), QPoint(36 * 7 + 10, 40 * 3 + 10), Qt::RightButton);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(cellShows(7, 3, 9));
    QVERIFY(game.messages.empty());
}

void PlayTest::emptyCellsAndFencesKeepTheFirstPick() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 4}, {5, 5, 1}, {9, 9, 4}});
    pickAt(0, 0);
    pickAt(3, 3);
    QCOMPARE(G.PickCol, 0);
    QVERIFY(game.messages.empty());
    pickAt(5, 5);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Нам забор не нужен.")});
    QCOMPARE(game.messages[0].icon, MsgIcon::Information);
    QCOMPARE(G.PickCol, 0);
    QVERIFY(flagged(0, 0, 4));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
}

void PlayTest::aPairWithoutARouteCostsAUnitAndLeavesBothPictures() {
    GameFixture game;
    startGame(game);
    // Column 0 holds the pair with a picture between; column 1 is full: no way round, not even outside.
    layOutForPlay({{0, 2, 6}, {0, 4, 7}, {0, 6, 6}});
    for (int row = 0; row < kRows; ++row) {
        G.CurrentSign = 1;
        AddZnak(kDrawSign, 1, row);
    }
    pickAt(0, 2);
    pickAt(0, 6);
    QVERIFY(forma().picKirpich.isVisible());
    QVERIFY(cellShows(0, 2, 6));
    QVERIFY(cellShows(0, 6, 6));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(!forma().TimerRobot.isEnabled());
    QCOMPARE(G.RobotPath.size(), size_t(1));
}

void PlayTest::neighboursRunAtHalfSpeedInFourTicks() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{4, 4, 12}, {5, 4, 12}, {9, 9, 3}, {9, 8, 3}});
    pickAt(4, 4);
    pickAt(5, 4);
    Forma& f = forma();
    QCOMPARE(G.PathLength, 3);
    QCOMPARE(f.TimerRobot.interval(), 100);
    QVERIFY(f.TimerRobot.isEnabled());
    QCOMPARE(G.Busy, FieldLock::Busy);
    QVERIFY(cellIsEmpty(4, 4));  // the first picture goes at once
    QVERIFY(f.imgRobot.isVisible() && !f.imgRobot2.isVisible());
    QCOMPARE(QPoint(f.imgRobot.left(), f.imgRobot.top()), QPoint(36 * 4 + 2, 40 * 4 + 4));
    const std::vector<PathPoint> path = G.RobotPath;
    TimerDvigenieRobota();  // the first tick moves nothing
    QCOMPARE(QPoint(f.imgRobot.left(), f.imgRobot.top()), QPoint(36 * 4 + 2, 40 * 4 + 4));
    for (int point = 0; point < 2; ++point) {
        TimerDvigenieRobota();
        QCOMPARE(QPoint(f.imgRobot.left(), f.imgRobot.top()), QPoint(path[point].X, path[point].Y));
        QVERIFY(flagged(5, 4, 12));  // the target keeps its picture and flag until the end
    }
    TimerDvigenieRobota();
    QCOMPARE(QPoint(f.imgRobot.left(), f.imgRobot.top()), QPoint(path[2].X, path[2].Y));
    QVERIFY(cellIsEmpty(5, 4));
    QVERIFY(!f.TimerRobot.isEnabled());
    QVERIFY(!f.imgRobot.isVisible() && f.imgRobot2.isVisible());
    QCOMPARE(G.Harvest, 1);
    QCOMPARE(G.PictureCount, 2);
    QCOMPARE(G.Busy, FieldLock::Free);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(panelShows(f.picKG, 119, 1));
}

void PlayTest::longerRouteRunsAtFullSpeedAndHarvestCounts() {
    GameFixture game;
    startGame(game);
    // Straight blocked by a picture: up, right, down around it.
    layOutForPlay({{3, 5, 8}, {5, 5, 2}, {7, 5, 8}, {0, 0, 2}});
    G.Harvest = 9;  // the tenth pair brings the counter's second digit
    pickAt(3, 5);
    pickAt(7, 5);
    QCOMPARE(G.PathLength, 13);
    QCOMPARE(forma().TimerRobot.interval(), 50);
    QCOMPARE(runRobot(), 14);
    QVERIFY(cellIsEmpty(3, 5) && cellIsEmpty(7, 5) && cellShows(5, 5, 2));
    QCOMPARE(G.Harvest, 10);
    QVERIFY(panelShows(forma().picKG, 119, 10));
}

void PlayTest::eachWrongPickSpendsALampUntilTheBatteryEndsTheGame() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 3}, {5, 5, 2}, {6, 5, 3}});
    Forma& f = forma();
    for (int unit = kBatteryCapacity - 1; unit >= 0; --unit) {
        pickAt(0, 0);
        pickAt(1, 0);
        QVERIFY(game.messages.empty());
        QVERIFY(f.picOchki.isVisible() && !f.picKirpich.isVisible());
        QCOMPARE(G.PickCol, -1);
        QVERIFY(cellShows(0, 0, 2) && cellShows(1, 0, 3));
        QCOMPARE(G.BatteryCharge, unit);
        QCOMPARE(G.LampBlinks, kLampBlinkTicks);
        QVERIFY(f.TimerAkamulyator.isEnabled());
        QCOMPARE(G.Busy, FieldLock::Free);  // the player may go on picking while the lamp blinks
        blinkOut();
        QVERIFY(!f.picOchki.isVisible());
        QVERIFY(lampSpent(unit));
        if (unit > 0)
            QVERIFY(lampLit(unit - 1));
    }
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Игра окончена!\nУ робота сел аккамулятор.")});
    QCOMPARE(G.GameMode, Mode::Over);
    QCOMPARE(G.Busy, FieldLock::Free);
}

void PlayTest::aSixthWrongPickDuringTheLastBlinkingEndsTheGameOnce() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 3}, {5, 5, 2}, {6, 5, 3}});
    G.BatteryCharge = 1;
    pickAt(0, 0);
    pickAt(1, 0);
    TimerAkamulyatorLampa();
    pickAt(0, 0);
    pickAt(1, 0);
    QCOMPARE(G.BatteryCharge, 0);  // a flat battery stays flat, so a save now reads back
    QCOMPARE(G.LampBlinks, kLampBlinkTicks);
    blinkOut();
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Игра окончена!\nУ робота сел аккамулятор.")});
    QCOMPARE(G.GameMode, Mode::Over);
    QVERIFY(!forma().TimerAkamulyator.isEnabled());
}

void PlayTest::theHarvestCountsNoFurtherThanItsPanelShows() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 2}, {5, 5, 3}, {6, 5, 3}});
    G.Harvest = kMaxHarvest;
    pickAt(0, 0);
    pickAt(1, 0);
    runRobot();
    QCOMPARE(G.Harvest, kMaxHarvest);
}

void PlayTest::aWrongPickDuringTheBlinkingMovesToTheNextLamp() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 3}, {5, 5, 2}, {6, 5, 3}});
    pickAt(0, 0);
    pickAt(1, 0);
    TimerAkamulyatorLampa();  // lamp 4 spent
    TimerAkamulyatorLampa();  // lamp 4 lit again
    pickAt(0, 0);
    pickAt(1, 0);
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 2);
    blinkOut();
    // Whatever the first lamp showed when it was cut short, the lamps show the charge.
    for (int unit = 0; unit < kBatteryCapacity; ++unit)
        QCOMPARE(lampLit(unit), unit < G.BatteryCharge);
    QVERIFY(!forma().TimerAkamulyator.isEnabled());
    QVERIFY(game.messages.empty());
}

void PlayTest::aRunThatEndsWhileTheLampBlinksKeepsTheFieldBlocked() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 3}, {0, 5, 4}, {1, 5, 4}, {8, 8, 2}, {9, 9, 3}});
    pickAt(0, 0);
    pickAt(1, 0);
    TimerAkamulyatorLampa();
    pickAt(0, 5);
    pickAt(1, 5);
    runRobot();
    QCOMPARE(G.Harvest, 1);
    QCOMPARE(G.Busy, FieldLock::Busy);
    KursorKvadrat(8, 8);  // a key press is dropped while busy
    QTest::keyClick(&game.box("picPole"), Qt::Key_Return);
    QCOMPARE(G.PickCol, -1);
    blinkOut();
    QCOMPARE(G.Busy, FieldLock::Free);
    QTest::keyClick(&game.box("picPole"), Qt::Key_Return);
    QCOMPARE(G.PickCol, 8);
}

void PlayTest::anEmptyBatteryEndsTheGameOnlyOnceTheRobotHasStopped_data() {
    QTest::addColumn<bool>("lastPair");
    QTest::addColumn<QStringList>("endMessages");
    // With pictures left the battery ends the game, after the run's pair is counted; when the run
    // takes the last pair, the field's end comes first and the game ends once, congratulated.
    QTest::newRow("pictures left") << false
                                   << QStringList{QStringLiteral("Игра окончена!\nУ робота сел аккамулятор.")};
    QTest::newRow("the last pair") << true << QStringList{QStringLiteral("Поздравляю! Весь урожай собран!")};
}

void PlayTest::anEmptyBatteryEndsTheGameOnlyOnceTheRobotHasStopped() {
    QFETCH(bool, lastPair);
    QFETCH(QStringList, endMessages);
    GameFixture game;
    startGame(game);
    if (lastPair)
        layOutForPlay({{0, 0, 2}, {15, 9, 2}, {5, 5, 1}, {6, 5, 1}});
    else
        layOutForPlay({{0, 0, 2}, {15, 9, 2}, {5, 5, 3}, {6, 5, 4}, {8, 5, 3}, {9, 5, 4}});
    G.BatteryCharge = 1;
    if (lastPair) {  // a pick on a fence is free, so the wrong pick is made on a pair with no route
        pickAt(0, 0);
        G.FieldGrid(1, 0) = G.FieldGrid(0, 1) = kFence;
        pickAt(15, 9);
        G.FieldGrid(1, 0) = G.FieldGrid(0, 1) = kEmpty;
    } else {
        pickAt(5, 5);
        pickAt(6, 5);
    }
    QCOMPARE(G.BatteryCharge, 0);
    pickAt(0, 0);
    pickAt(15, 9);  // the longest way round: the robot is still driving when the lamp goes out
    Forma& f = forma();
    QVERIFY(f.TimerRobot.isEnabled());
    blinkOut();
    QVERIFY(game.messages.empty());
    QCOMPARE(G.GameMode, Mode::Playing);
    QVERIFY(f.TimerRobot.isEnabled());
    int32_t harvestAtTheEnd = -1;
    setMessageResponder([&](const Message& message) {
        game.messages.push_back(message);
        if (harvestAtTheEnd < 0)
            harvestAtTheEnd = G.Harvest;
        return MsgAnswer::No;  // the record is not entered
    });
    runRobot();
    QCOMPARE(harvestAtTheEnd, 1);
    QCOMPARE(game.messageTexts().mid(0, 1), endMessages);
    QCOMPARE(game.messages.size(), size_t(2));  // the end, then the record offer
    QVERIFY(game.messages[1].text.startsWith(QStringLiteral("Поздравляю!!! Вы установили новый рекорд:")));
    QCOMPARE(G.GameMode, Mode::Over);
    QVERIFY(!f.TimerRobot.isEnabled() && !f.TimerAkamulyator.isEnabled() && !f.tmrTrakrtor.isEnabled());
    QVERIFY(!f.imgRobot.isVisible());
}

void PlayTest::tractorSowsBedByBedInOneHundredSixtyTicks() {
    GameFixture game;
    startGame(game);
    Forma& f = forma();
    G.GameMode = Mode::Playing;
    G.NoTractor = 0;
    G.ShuffleKinds = 0;
    ShowPole({{0, 0, 7}, {3, 2, 1}, {15, 9, 7}}, kForPlay);
    QCOMPARE(G.Busy, FieldLock::Busy);
    QCOMPARE(f.tmrTrakrtor.interval(), 50);
    QVERIFY(f.tmrTrakrtor.isEnabled());
    QVERIFY(f.imgTraktor.isVisible() && !f.imgRobot2.isVisible());
    QCOMPARE(QPoint(f.imgTraktor.left(), f.imgTraktor.top()), QPoint(2, 4));
    QCOMPARE(G.FieldGrid(15, 9), 7);
    QVERIFY(cellIsEmpty(0, 0));
    QTest::keyClick(&game.box("picPole"), Qt::Key_Return);  // Enter during the run does nothing
    QCOMPARE(G.PickCol, -1);
    Traktor();
    QVERIFY(cellShows(0, 0, 7));
    for (int tick = 2; tick < 160; ++tick)
        Traktor();
    QVERIFY(cellShows(3, 2, 1));
    QVERIFY(cellIsEmpty(15, 9));
    QCOMPARE(QPoint(f.imgTraktor.left(), f.imgTraktor.top()), QPoint(36 * 14 + 2, 40 * 9 + 4));
    QVERIFY(f.tmrTrakrtor.isEnabled());
    Traktor();  // the last bed is sown together with the end of the run
    QVERIFY(cellShows(15, 9, 7));
    QVERIFY(!f.tmrTrakrtor.isEnabled());
    QVERIFY(!f.imgTraktor.isVisible() && f.imgRobot2.isVisible());
    QCOMPARE(G.Busy, FieldLock::Free);
    QCOMPARE(G.PickCol, -1);
    QCOMPARE(G.PictureCount, 2);
    QTest::keyClick(&game.box("picPole"), Qt::Key_Return);
    QCOMPARE(G.PickCol, 0);
    QCOMPARE(G.PickRow, 0);
}

void PlayTest::pressesAndKeysFollowTheRulesOfTheField() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 5}, {15, 9, 5}, {4, 4, 6}, {4, 6, 6}});
    PictureBox& field = game.box("picPole");
    // A press made while busy, released afterwards, does nothing.
    G.Busy = FieldLock::Busy;
    QTest::mousePress(&field, Qt::LeftButton, {}, QPoint(10, 10));
    G.Busy = FieldLock::Free;
    QTest::mouseRelease(&field, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(G.PickCol, -1);
    // A press inside released outside does nothing; the next one is handled.
    QTest::mousePress(&field, Qt::LeftButton, {}, QPoint(10, 10));
    picPole_MouseUp(kLeftButton, 0, 10, 420);
    QCOMPARE(G.PickCol, -1);
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(G.PickCol, 0);
    // Arrow keys stop at the edges without redrawing.
    KursorKvadrat(0, 0);
    QTest::keyClick(&field, Qt::Key_Up);
    QTest::keyClick(&field, Qt::Key_Left);
    QCOMPARE(QPoint(G.CursorCol, G.CursorRow), QPoint(0, 0));
    KursorKvadrat(15, 9);
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Right);
    QCOMPARE(QPoint(G.CursorCol, G.CursorRow), QPoint(15, 9));
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(QPoint(G.CursorCol, G.CursorRow), QPoint(14, 8));
    // Shift+Enter picks as Enter does; Ctrl+Alt+F4 does nothing.
    KursorKvadrat(4, 4);
    QTest::keyClick(&field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(G.PickCol, -1);  // the first pick (0, 0) and (4, 4) differ: a wrong pick
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
    QTest::keyClick(&field, Qt::Key_F4, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(game.window().isVisible());
    // F10 and Alt+F4 do nothing while the field is busy.
    G.Busy = FieldLock::Busy;
    QTest::keyClick(&field, Qt::Key_F10);
    QTest::keyClick(&field, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!forma().picMenu.isVisible());
    QVERIFY(game.window().isVisible());
    QVERIFY(game.messages.empty());
}

void PlayTest::aPickIsNeverHandledInsideAnotherPick() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 1}, {3, 3, 5}, {4, 4, 5}});
    // Events processed while the fence message is up try to pick again.
    int nested = 0;
    setMessageResponder([&](const Message&) {
        ++nested;
        KursorKvadrat(3, 3);
        VyborZnaka();
        picPole_KeyDown(Qt::Key_Return, 0);
        return MsgAnswer::Ok;
    });
    pickAt(0, 0);
    QCOMPARE(nested, 1);
    QCOMPARE(G.PickCol, -1);
    QVERIFY(!pickInProgress());
    pickAt(3, 3);
    QCOMPARE(G.PickCol, 3);
}

void PlayTest::fieldInputArrivingDuringAPickIsDropped() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{2, 3, 9}, {7, 3, 9}});
    pickAt(2, 3);
    // Presses, releases and keys that wait in the queue run while the second flag is shown.
    PictureBox& field = game.box("picPole");
    const QPoint elsewhere(36 * 12 + 10, 40 * 8 + 10);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        QCoreApplication::postEvent(&field, new QMouseEvent(QEvent::MouseButtonPress, elsewhere, field.mapToGlobal(elsewhere),
                                                            button, button, Qt::NoModifier));
        QCoreApplication::postEvent(&field, new QMouseEvent(QEvent::MouseButtonRelease, elsewhere,
                                                            field.mapToGlobal(elsewhere), button, {}, Qt::NoModifier));
    }
    QCoreApplication::postEvent(&field, new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier));
    // A release on the menu, still open, on "Засеять новое поле", and Enter there.
    PictureBox& menu = game.box("picMenu");
    menu.setVisible(true);
    const QPoint sowNew(20, 4 + 29 * 4 + 10);
    QCoreApplication::postEvent(&menu, new QMouseEvent(QEvent::MouseButtonRelease, sowNew, menu.mapToGlobal(sowNew),
                                                       Qt::LeftButton, {}, Qt::NoModifier));
    QCoreApplication::postEvent(&menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    ModalScript noWindow;
    pickAt(7, 3);
    QVERIFY(noWindow.finished());
    QCOMPARE(G.GameMode, Mode::Playing);
    QVERIFY(forma().TimerRobot.isEnabled());
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
    QCOMPARE(G.PickCol, 2);
    runRobot();
    QCOMPARE(G.Harvest, 1);
    QCOMPARE(QPoint(G.CursorCol, G.CursorRow), QPoint(7, 3));
}

void PlayTest::layingOutAFieldStopsTheOldFieldsTimers() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {1, 0, 2}, {2, 2, 3}, {3, 3, 4}});
    pickAt(2, 2);
    pickAt(3, 3);
    pickAt(0, 0);
    pickAt(1, 0);
    Forma& f = forma();
    QVERIFY(f.TimerRobot.isEnabled() && f.TimerAkamulyator.isEnabled());
    layOutForPlay({{6, 6, 9}, {7, 7, 9}});
    QVERIFY(!f.TimerRobot.isEnabled() && !f.TimerAkamulyator.isEnabled() && !f.tmrTrakrtor.isEnabled());
    QVERIFY(!f.imgRobot.isVisible() && !f.picOchki.isVisible() && !f.picKirpich.isVisible());
    QCOMPARE(G.Busy, FieldLock::Free);
    QCOMPARE(G.PictureCount, 2);
}

void PlayTest::startFieldIsShuffledAndItsLastPairEndsTheGame() {
    GameFixture game;
    startGame(game);
    G.NoTractor = 1;
    BeginGame(0, kStartEntry);
    QCOMPARE(G.GameMode, Mode::Playing);
    QCOMPARE(G.LevelNumber, 1);
    QCOMPARE(G.PictureCount, 32);
    QCOMPARE(G.ShuffleKinds, 1);
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
    QMap<int, int> kinds;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (G.FieldGrid(col, row) != kEmpty) {
                QVERIFY(row == 4 || row == 5);
                ++kinds[G.FieldGrid(col, row)];
            }
    QCOMPARE(kinds.size(), 16);
    for (int count : kinds)
        QCOMPARE(count, 2);
    // The level panel stays blank for the start field.
    QVERIFY(bare(forma().picUroven));
    // Harvest everything; with no field files the game congratulates and ends.
    while (G.PictureCount > 0) {
        const std::optional<BedPair> pair = firstJoinablePair(G.FieldGrid);
        QVERIFY(pair);
        pickAt(pair->fromCol, pair->fromRow);
        pickAt(pair->toCol, pair->toRow);
        runRobot();
    }
    QCOMPARE(G.Harvest, 16);
    QVERIFY(game.messageTexts().contains(QStringLiteral("Поздравляю! Весь урожай собран!")));
    QCOMPARE(G.GameMode, Mode::Over);
}

void PlayTest::aGameOverPickRepeatsTheMessage() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 2}, {9, 9, 2}});
    G.GameMode = Mode::Over;
    QTest::keyClick(&game.box("picPole"), Qt::Key_Return);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Игра окончена!")});
    QTest::mouseClick(&game.box("picPole"), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(game.messages.size(), size_t(2));
}

void PlayTest::aStepBackReturnsTheLastPairsForAUnitEach() {
    GameFixture game;
    startGame(game);
    layOutForPlay({{0, 0, 5}, {1, 0, 5}, {5, 5, 7}, {6, 5, 7}, {9, 9, 9}, {10, 9, 9}});
    PictureBox& field = game.box("picPole");
    for (const auto& [col, row] : {std::pair{0, 0}, {5, 5}}) {
        pickAt(col, row);
        pickAt(col + 1, row);
        runRobot();
    }
    pickAt(9, 9);
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(cellShows(5, 5, 7) && cellShows(6, 5, 7));
    QVERIFY(!flagged(9, 9, 9));  // the pick in progress is dropped
    QCOMPARE(G.PictureCount, 4);
    QVERIFY(panelShows(forma().picKG, kHarvestOnesX, 1));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
    blinkOut();
    // Further back, with the key under a Russian layout: the panel is blank at 0, as at the start.
    QKeyEvent ctrlYa(QEvent::KeyPress, 0x042F, Qt::ControlModifier, QStringLiteral("\x19"));
    QApplication::sendEvent(&field, &ctrlYa);
    QVERIFY(cellShows(0, 0, 5) && cellShows(1, 0, 5));
    QCOMPARE(G.Harvest, 0);
    QVERIFY(bare(forma().picKG));
    blinkOut();
    QTest::keyClick(&field, Qt::Key_Backspace);  // nothing left to take back on this level
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 2);

    pickAt(0, 0);
    pickAt(1, 0);
    runRobot();
    G.BatteryCharge = 1;
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Отмены нет: аккумулятор почти разряжен.")});
    QVERIFY(cellIsEmpty(0, 0));
    QCOMPARE(G.BatteryCharge, 1);

    G.BatteryCharge = kBatteryCapacity;
    layOutForPlay({{0, 0, 5}, {1, 0, 5}});  // a new level forgets the last one's pairs
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
    QCOMPARE(G.PictureCount, 2);
}

QTEST_MAIN(PlayTest)
#include "test_play.moc"
