// Adding and editing a player: the name, the photo, and the clashes the dialog refuses.
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "players/PlayersState.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"
#include "ui/frmIgroki.h"
#include "ui/frmNameIgrokov.h"

namespace {
const QString kMasha = QStringLiteral("Маша");

void pickPhoto(frmNameIgrokov& dialog, const QString& file) {
    const QList<QListWidgetItem*> found = dialog.File1->findItems(file, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    clickLine(dialog.File1, dialog.File1->row(found.first()));
}

void typeName(frmNameIgrokov& dialog, const QString& name) {
    dialog.txtName->selectAll();
    QTest::keyClick(dialog.txtName, Qt::Key_Delete);
    typeText(dialog.txtName, name);
}

QStringList fileLines(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A game with the players Маша (masha.jpg) and Петя (petya.png) and photos to pick from.
void startWithTwoPlayers(GameFixture& game) {
    for (const char* photo : {"masha.jpg", "petya.png", "new.png"})
        QVERIFY(stripedPhoto(40, 40).save(game.folder() + "Photo/" + photo));
    game.writeFile(QStringLiteral("Igroki.ini"),
                   playersFileOf({{kMasha, QStringLiteral("masha.jpg")}, {QStringLiteral("Петя"), QStringLiteral("petya.png")}}));
    game.start();
}

// The players list opens, the step works in the name dialog opened by one of its buttons, and the
// list closes again.
void inNameDialog(int button, int selectedLine, std::function<void(frmNameIgrokov&)> step) {
    ModalScript script;
    script.then<frmIgroki>([&](frmIgroki& list) {
        if (selectedLine >= 0)
            clickLine(list.List1, selectedLine);
        QTest::mouseClick(list.kName[button], Qt::LeftButton);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    script.then<frmNameIgrokov>(std::move(step));
    P.CurrentPlayer = 0;
    openFrmIgroki();
    QVERIFY(script.finished());
}
}  // namespace

class PlayerNamesTest : public QObject {
    Q_OBJECT
private slots:
    void addingToAnEmptyListSelectsAndShowsTheNewPlayer();
    void saveNeedsAPhotoAndANameInEitherOrder();
    void clashesAreRefusedPhotoFirstIgnoringCase();
    void editingWithoutChangesKeepsThePlace();
    void aDeletedPhotoShowsErrorAndCanBeReplaced();
    void onlyWhatTheFileCanHoldIsOffered();
    void cancelChangesNothing();
};

void PlayerNamesTest::addingToAnEmptyListSelectsAndShowsTheNewPlayer() {
    GameFixture game;
    QVERIFY(stripedPhoto(300, 300).save(game.folder() + "Photo/masha.jpg"));
    game.start();
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        QTest::mouseClick(list.kName[0], Qt::LeftButton);
        QCOMPARE(fileLines(list.List1), QStringList{kMasha});
        QCOMPARE(list.selectedIndex(), 0);
        QVERIFY(nearColour(list.picPhoto->pixel(105, 5), qRgb(0, 0, 255)));
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    script.then<frmNameIgrokov>([](frmNameIgrokov& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавить имя"));
        QCOMPARE(dialog.size(), QSize(356, 368));
        pickPhoto(dialog, QStringLiteral("masha.jpg"));
        typeName(dialog, kMasha);
        QTest::keyClick(dialog.txtName, Qt::Key_Return);  // Enter saves
    });
    P.CurrentPlayer = 0;
    openFrmIgroki();
    QVERIFY(script.finished());
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")),
             QByteArray("[tavik_igroki]\r\n 0\r\n\xCC\xE0\xF8\xE0\r\nmasha.jpg\r\n\r\n"));
}

void PlayerNamesTest::saveNeedsAPhotoAndANameInEitherOrder() {
    GameFixture game;
    startWithTwoPlayers(game);
    inNameDialog(0, -1, [](frmNameIgrokov& dialog) {
        QVERIFY(!dialog.kSave->isEnabled());
        typeName(dialog, QStringLiteral(" "));  // one blank is a name
        QVERIFY(!dialog.kSave->isEnabled());
        pickPhoto(dialog, QStringLiteral("new.png"));
        QVERIFY(dialog.kSave->isEnabled());
        typeName(dialog, QString());
        QVERIFY(!dialog.kSave->isEnabled());
        QTest::keyClick(dialog.txtName, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        typeText(dialog.txtName, QStringLiteral("Оля"));
        QVERIFY(dialog.kSave->isEnabled());
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    QCOMPARE(P.PlayersLast, 2);
    QCOMPARE(P.Players[2].Name, QStringLiteral("Оля"));
    QCOMPARE(P.Players[2].Photo, QStringLiteral("new.png"));
}

void PlayerNamesTest::clashesAreRefusedPhotoFirstIgnoringCase() {
    GameFixture game;
    startWithTwoPlayers(game);
    inNameDialog(0, -1, [&](frmNameIgrokov& dialog) {
        // Маша's photo and Петя's name: Маша comes first, so her photo decides.
        pickPhoto(dialog, QStringLiteral("masha.jpg"));
        typeName(dialog, QStringLiteral("пЕТЯ"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        pickPhoto(dialog, QStringLiteral("new.png"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.kCancel, Qt::LeftButton);
    });
    QCOMPARE(game.messageTexts(), QStringList({QStringLiteral("Это фото уже занял(а) Маша"),
                                               QStringLiteral("Это имя уже имеется в списке.")}));
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    game.messages.clear();
    // Editing Петя into another spelling of Маша is refused the same way.
    inNameDialog(1, 1, [](frmNameIgrokov& dialog) {
        typeName(dialog, QStringLiteral("МАША"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        QTest::mouseClick(dialog.kCancel, Qt::LeftButton);
    });
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Это имя уже имеется в списке.")});
    QCOMPARE(P.PlayersLast, 1);
    QCOMPARE(P.Players[1].Name, QStringLiteral("Петя"));
    QCOMPARE(P.PlayersChanged, 0);
}

void PlayerNamesTest::editingWithoutChangesKeepsThePlace() {
    GameFixture game;
    startWithTwoPlayers(game);
    const QByteArray before = game.readFile(QStringLiteral("Igroki.ini"));
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        clickLine(list.List1, 0);
        QTest::mouseClick(list.kName[1], Qt::LeftButton);
        QCOMPARE(fileLines(list.List1), QStringList({kMasha, QStringLiteral("Петя")}));
        QCOMPARE(list.selectedIndex(), 0);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    script.then<frmNameIgrokov>([](frmNameIgrokov& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Изменить имя"));
        QCOMPARE(dialog.txtName->text(), kMasha);
        QVERIFY(dialog.kSave->isEnabled());
        QVERIFY(dialog.File1->selectedItems().isEmpty());
        QVERIFY(nearColour(dialog.picPhoto->pixel(5, 5), qRgb(255, 0, 0)));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    openFrmIgroki();
    QVERIFY(script.finished());
    QVERIFY(game.messages.empty());
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")), before);  // written again, the same
}

void PlayerNamesTest::aDeletedPhotoShowsErrorAndCanBeReplaced() {
    GameFixture game;
    startWithTwoPlayers(game);
    QVERIFY(QFile::remove(game.folder() + "Photo/petya.png"));
    inNameDialog(1, 1, [](frmNameIgrokov& dialog) {
        QCOMPARE(dialog.picPhoto->pixel(80, 100), dialog.picPhoto->background());
        QVERIFY(dialog.picPhoto->pixel(3, 8) != dialog.picPhoto->background() ||
                dialog.picPhoto->pixel(4, 9) != dialog.picPhoto->background() ||
                dialog.picPhoto->pixel(10, 8) != dialog.picPhoto->background());
        pickPhoto(dialog, QStringLiteral("new.png"));
        QVERIFY(nearColour(dialog.picPhoto->pixel(5, 5), qRgb(255, 0, 0)));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    QCOMPARE(P.Players[1].Photo, QStringLiteral("new.png"));
    QCOMPARE(P.Players[1].Name, QStringLiteral("Петя"));
}

void PlayerNamesTest::onlyWhatTheFileCanHoldIsOffered() {
    GameFixture game;
    for (const QString& file : {QStringLiteral("Б.png"), QStringLiteral("a.png"), QStringLiteral(".hidden.png"),
                                QStringLiteral("smile☺.png"), QStringLiteral("notes.txt")})
        game.writeFile(QStringLiteral("Photo/") + file, "x");
    QVERIFY(QDir(game.folder()).mkpath(QStringLiteral("Photo/folder")));
    game.start();
    inNameDialog(0, -1, [](frmNameIgrokov& dialog) {
        QCOMPARE(fileLines(dialog.File1), QStringList({"a.png", "notes.txt", QStringLiteral("Б.png")}));
        // Typed and pasted characters the players file cannot hold are refused; the rest stays.
        typeText(dialog.txtName, QStringLiteral("Ян☺"));
        QCOMPARE(dialog.txtName->text(), QStringLiteral("Ян"));
        dialog.txtName->insert(QStringLiteral("\tЛи"));
        dialog.txtName->insert(QStringLiteral("日本"));
        QCOMPARE(dialog.txtName->text(), QStringLiteral("Ян"));
        dialog.txtName->insert(QStringLiteral(" «Ли» №1"));
        QCOMPARE(dialog.txtName->text(), QStringLiteral("Ян «Ли» №1"));
        pickPhoto(dialog, QStringLiteral("notes.txt"));  // no picture, yet a photo
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    QCOMPARE(P.Players[0].Name, QStringLiteral("Ян «Ли» №1"));
    QCOMPARE(P.Players[0].Photo, QStringLiteral("notes.txt"));
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")),
             playersFileOf({{QStringLiteral("Ян «Ли» №1"), QStringLiteral("notes.txt")}}));
}

void PlayerNamesTest::cancelChangesNothing() {
    GameFixture game;
    startWithTwoPlayers(game);
    inNameDialog(1, 0, [](frmNameIgrokov& dialog) {
        typeName(dialog, QStringLiteral("Маня"));
        pickPhoto(dialog, QStringLiteral("new.png"));
        dialog.close();
    });
    QCOMPARE(P.Players[0].Name, kMasha);
    QCOMPARE(P.Players[0].Photo, QStringLiteral("masha.jpg"));
    QCOMPARE(P.PlayersChanged, 0);
}

QTEST_MAIN(PlayerNamesTest)
#include "test_playernames.moc"
