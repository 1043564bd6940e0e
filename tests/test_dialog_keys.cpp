// The keyboard in the game's dialogs, as a desktop user expects it: Enter presses the button with
// the focus, the first arrow key in a list selects its first line, and moving the focus into a list
// changes nothing.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/GameState.h"
#include "menu/Menu.h"
#include "players/PlayersState.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/Windows.h"
#include "ui/frmDoska.h"
#include "ui/frmFile.h"
#include "ui/frmIgroki.h"
#include "ui/frmNameIgrokov.h"
#include "ui/frmStart.h"

namespace {
void pressEnterOn(QPushButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
}

void startWithPlayers(GameFixture& game) {
    for (const char* photo : {"a.png", "b.png"})
        QVERIFY(stripedPhoto(20, 20).save(game.folder() + "Photo/" + photo));
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{"Аня", "a.png"}, {"Боря", "b.png"}}));
    game.writeFile(QStringLiteral("Pole/first.tvk"), QByteArray());
    game.writeFile(QStringLiteral("Pole/second.tvk"), QByteArray());
    game.start();
}
}  // namespace

class DialogKeysTest : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButton();
    void theFirstArrowInAListSelectsItsFirstLine();
};

void DialogKeysTest::enterPressesTheFocusedButton() {
    GameFixture game;
    startWithPlayers(game);
    int rejected = 0;
    ModalScript script;
    script.then<frmStart>([&](frmStart& dialog) {
        pressEnterOn(dialog.kCancel);
        rejected += dialog.result() == QDialog::Rejected;
    });
    RunMenuItem(QStringLiteral("Новая игра"));
    QCOMPARE(G.GameMode, Mode::NothingBegun);

    script.then<frmFile>([&](frmFile& dialog) {
        dialog.txtNameFile->setText(QStringLiteral("first"));
        pressEnterOn(dialog.kNO);
        rejected += dialog.result() == QDialog::Rejected;
    });
    RunMenuItem(QStringLiteral("Продолжить посев"));
    QVERIFY(G.FieldFileName.isEmpty());

    // In the name dialog, with a name and a photo ready to save.
    script.then<frmIgroki>([&](frmIgroki& list) { QTest::mouseClick(list.kName[0], Qt::LeftButton); })
        .then<frmNameIgrokov>([&](frmNameIgrokov& dialog) {
            clickLine(dialog.File1, 0);
            typeText(dialog.txtName, QStringLiteral("Вера"));
            QVERIFY(dialog.kSave->isEnabled());
            pressEnterOn(dialog.kCancel);
            rejected += dialog.result() == QDialog::Rejected;
        });
    RunMenuItem(QStringLiteral("Список игроков"));
    QCOMPARE(P.PlayersLast, 1);

    // The players list in choose mode, with a name selected and OK the default.
    script.then<frmIgroki>([&](frmIgroki& list) {
        clickLine(list.List1, 1);
        pressEnterOn(list.kClose);
        rejected += list.result() == QDialog::Rejected;
    });
    P.CurrentPlayer = -1;
    openFrmIgroki();
    QCOMPARE(P.CurrentPlayer, -1);

    // On the honour board, Enter on "Список игроков" opens the players list, not the default close.
    bool listOpened = false;
    script.then<frmDoska>([&](frmDoska& board) { pressEnterOn(board.kIgroki); })
        .then<frmIgroki>([&](frmIgroki& list) {
            listOpened = true;
            QTest::mouseClick(list.kClose, Qt::LeftButton);
        });
    RunMenuItem(QStringLiteral("Доска почёта"));
    QVERIFY(listOpened);
    QVERIFY(script.finished());
    QCOMPARE(rejected, 4);
}

void DialogKeysTest::theFirstArrowInAListSelectsItsFirstLine() {
    GameFixture game;
    startWithPlayers(game);
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        list.List1->setFocus();
        QTest::keyClick(list.List1, Qt::Key_Down);
        QCOMPARE(list.selectedIndex(), 0);
        QTest::mouseClick(list.kName[0], Qt::LeftButton);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    script.then<frmNameIgrokov>([](frmNameIgrokov& dialog) {
        dialog.File1->setFocus();
        QTest::keyClick(dialog.File1, Qt::Key_Down);
        QCOMPARE(dialog.File1->selectedItems().value(0)->text(), QStringLiteral("a.png"));
        QCOMPARE(dialog.PhotoFile, QStringLiteral("a.png"));
        QTest::mouseClick(dialog.kCancel, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Список игроков"));

    // Shift+Tab into the field list keeps the typed name; Down there picks the first file.
    script.then<frmFile>([](frmFile& dialog) {
        QApplication::setActiveWindow(&dialog);
        dialog.txtNameFile->setFocus();
        typeText(dialog.txtNameFile, QStringLiteral("мой"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Backtab);
        QVERIFY(dialog.File1->hasFocus());
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("мой"));
        QTest::keyClick(dialog.File1, Qt::Key_Down);
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("first.tvk"));
        QTest::mouseClick(dialog.kNO, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Продолжить посев"));
    QVERIFY(script.finished());
}

QTEST_MAIN(DialogKeysTest)
#include "test_dialog_keys.moc"
