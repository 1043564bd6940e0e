// A whole game on the start field, and a new player's first record on a fresh install, as a player
// plays them: real timers, real key presses and clicks.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "core/GameState.h"
#include "core/ShippedData.h"
#include "play/Route.h"
#include "players/PlayersState.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/frmDoska.h"
#include "ui/frmForma.h"
#include "ui/frmIgroki.h"
#include "ui/frmNameIgrokov.h"
#include "ui/frmStart.h"

namespace {
QPoint cellCentre(int col, int row) { return QPoint(36 * col + 18, 40 * row + 20); }

void pick(PictureBox& field, int col, int row) {
    QTest::mouseMove(&field, cellCentre(col, row));
    QTest::mouseClick(&field, Qt::LeftButton, {}, cellCentre(col, row));
}

bool showsPhoto(const PictureBox& box, const QImage& photo) {
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 110; ++x)
            if (box.pixel(x, y) != (photo.pixel(x, y) & 0xFFFFFFu))
                return false;
    return true;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void playsTheStartFieldToItsEnd();
    void aFreshInstallPutsItsFirstRecordOnTheBoard();
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
        pick(field, pair->fromCol, pair->fromRow);
        pick(field, pair->toCol, pair->toRow);
        QVERIFY(forma().TimerRobot.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!forma().TimerRobot.isEnabled(), 10000);
        QCOMPARE(G.Harvest, ++harvested);
    }
    QTRY_COMPARE_WITH_TIMEOUT(G.GameMode, Mode::Over, 5000);
    QCOMPARE(game.messageTexts().first(), QStringLiteral("Поздравляю! Весь урожай собран!"));
    QVERIFY(!game.unexpectedQuestion);
    QCOMPARE(G.BatteryCharge, kBatteryCapacity);
}

void EndToEndTest::aFreshInstallPutsItsFirstRecordOnTheBoard() {
    GameFixture game(false);
    // The player's folder as an installed game's first start fills it: no players yet.
    copyShippedData(qEnvironmentVariable("KELVARY_PROGRAM_FOLDER"), game.folder());
    QVERIFY(QDir(game.folder() + QStringLiteral("Photo")).entryList(QDir::Files).size() >= 16);
    game.start();
    PictureBox& field = game.box("picPole");
    layOutForPlay({{3, 4, 7}, {9, 4, 7}, {0, 0, 12}, {15, 9, 12}});
    pick(field, 3, 4);
    pick(field, 9, 4);
    QTRY_VERIFY_WITH_TIMEOUT(!forma().TimerRobot.isEnabled(), 10000);
    QCOMPARE(G.Harvest, 1);

    const QString name = QStringLiteral("Маша");
    const QString photo = QStringLiteral("krolik.png");
    game.answerNext(MsgAnswer::Yes);  // leaving
    game.answerNext(MsgAnswer::Yes);  // the record
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        QCOMPARE(list.List1->count(), 0);
        QTest::mouseClick(list.kName[0], Qt::LeftButton);
        QCOMPARE(list.List1->currentRow(), 0);
        QTest::mouseClick(list.kOK, Qt::LeftButton);
    });
    script.then<frmNameIgrokov>([&](frmNameIgrokov& dialog) {
        const QList<QListWidgetItem*> found = dialog.File1->findItems(photo, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        clickLine(dialog.File1, dialog.File1->row(found.first()));
        typeText(dialog.txtName, name);
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    script.then<frmDoska>([&](frmDoska& board) {
        QCOMPARE(board.lblName[0]->text(), name);
        QVERIFY(showsPhoto(*board.picPhoto[0], QImage(game.folder() + QStringLiteral("Photo/") + photo)));
        QTest::mouseClick(board.kClose, Qt::LeftButton);
    });
    game.window().close();
    QVERIFY(script.finished());
    QVERIFY(!game.unexpectedQuestion);
    QVERIFY(game.readFile(QStringLiteral("Lidery.ini")).startsWith("[tavik_lidery]"));
}

QTEST_MAIN(EndToEndTest)
#include "test_e2e.moc"
