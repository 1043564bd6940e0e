// A whole game on the start field, as a player plays it: real timers, real key presses and clicks.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/GameState.h"
#include "play/Route.h"
#include "support/GameFixture.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/frmStart.h"

namespace {
QPoint cellCentre(int col, int row) { return QPoint(36 * col + 18, 40 * row + 20); }

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void playsTheStartFieldToItsEnd();
};

void EndToEndTest::playsTheStartFieldToItsEnd() {
    GameFixture game(false);
    game.start();
    PictureBox& menu = game.box("picMenu");
    PictureBox& field = game.box("picPole");
    // "Новая игра" is highlighted: Enter opens the dialog, where "Начало" is chosen and started.
    QTimer::singleShot(200, [] {
        auto* dialog = qobject_cast<frmStart*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->List1->currentRow(), 0);
        QVERIFY(!dialog->chNoTraktor->isChecked());
        QTest::mouseClick(dialog->kStart, Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(&menu, Qt::Key_Return);
    QCOMPARE(G.GameMode, Mode::Playing);
    QVERIFY(forma().tmrTrakrtor.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(G.Busy == FieldLock::Free, 20000);
    qInfo("the tractor sowed the field in %lld ms", clock.elapsed());
    QCOMPARE(G.PictureCount, 32);

    game.answerNext(MsgAnswer::No);  // at the end a place on the honour board is offered and declined
    int harvested = 0;
    while (G.PictureCount > 0) {
        const std::optional<BedPair> pair = firstJoinablePair(G.FieldGrid);
        QVERIFY(pair);
        QTest::mouseMove(&field, cellCentre(pair->fromCol, pair->fromRow));
        QTest::mouseClick(&field, Qt::LeftButton, {}, cellCentre(pair->fromCol, pair->fromRow));
        QTest::mouseMove(&field, cellCentre(pair->toCol, pair->toRow));
        QTest::mouseClick(&field, Qt::LeftButton, {}, cellCentre(pair->toCol, pair->toRow));
        QVERIFY(forma().TimerRobot.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!forma().TimerRobot.isEnabled(), 10000);
        QCOMPARE(G.Harvest, ++harvested);
    }
    QTRY_COMPARE_WITH_TIMEOUT(G.GameMode, Mode::Over, 5000);
    QCOMPARE(game.messageTexts().first(), QStringLiteral("Поздравляю! Весь урожай собран!"));
    QVERIFY(!game.unexpectedQuestion);
    QCOMPARE(G.BatteryCharge, 5);
}

QTEST_MAIN(EndToEndTest)
#include "test_e2e.moc"
