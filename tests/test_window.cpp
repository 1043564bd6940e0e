// The main window as a player first meets it: layout, the empty field, the cursor, the menu, closing.
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Main.h"
#include "menu/Menu.h"
#include "play/FieldInput.h"
#include "support/GameFixture.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/frmForma.h"

namespace {
QPoint inWindow(const Control& control) {
    return control.widget()->mapTo(control.widget()->window(), QPoint(0, 0));
}

bool entryHighlighted(int index) {
    return forma().picMenu.pixel(6, 29 * index + 6) == kHighlight;
}

bool menuButtonPressed() {
    Forma& f = forma();
    return showsSheet(f.picKnMenu, 0, 0, f.picKnMenu2, 0, 0, 41, 89);
}
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheLayoutOfTheDesign();
    void opensWithTheMenuOverAnEmptyOutlinedField();
    void picturesAndTheCursorRingNeverDrawOverEachOtherOrTheOutlines();
    void menuEntriesFollowTheMouseWithinTheirBounds();
    void menuKeysWrapAndClose();
    void menuButtonOpensOnlyWhenReleasedOnIt();
    void sowingANewFieldShowsTheEditor();
    void layingOutForPlayShufflesKindsButKeepsPairsAndFences();
    void paletteScrollMovesTheStrip();
    void closeButtonReleasedOutsideKeepsTheProgram();
    void closingDuringAGameAsksAndNoKeepsEverything();
    void closingWritesTheSettingsFile();
    void settingsAreReadAtStart();
    void programFolderGetsExactlyOneSeparator();
};

void WindowTest::opensWithTheLayoutOfTheDesign() {
    GameFixture game;
    game.start();
    Forma& f = forma();
    QCOMPARE(game.window().windowTitle(), QStringLiteral("Kelvary"));
    QCOMPARE(game.window().size(), QSize(640, 554));
    struct Place { const Control* control; QRect rect; bool shown; };
    const Place places[] = {
        {&f.picUroven, {4, 76, 102, 66}, true},       {&f.picKG, {106, 76, 146, 66}, true},
        {&f.picAkamulyator, {252, 76, 144, 63}, true}, {&f.selZnak, {4, 88, 612, 57}, false},
        {&f.picPole, {6, 148, 576, 400}, true},       {&f.picExit, {607, 146, 30, 30}, true},
        {&f.picMenu, {160, 160, 318, 327}, true},     {&f.picKnMenu, {591, 186, 41, 89}, true},
        {&f.picShowZnak, {592, 280, 36, 38}, false},  {&f.picPeresadka, {592, 322, 41, 41}, false},
        {&f.imgRobot2, {592, 376, 32, 32}, true},     {&f.picOtmenit, {592, 480, 33, 29}, false},
        {&f.picPovtorit, {592, 512, 33, 29}, false},  {&f.picKirpich, {584, 288, 57, 57}, false},
        {&f.picOchki, {584, 304, 68, 31}, false},     {&f.lblNameFile, {4, 72, 88, 16}, false},
    };
    for (const Place& place : places) {
        QCOMPARE(QRect(inWindow(*place.control), place.control->widget()->size()), place.rect);
        QCOMPARE(place.control->isVisible(), place.shown);
    }
    QCOMPARE(f.picZnaki.widget()->geometry(), QRect(0, 0, 1056, 36));
    QCOMPARE(f.HScroll1.widget()->geometry(), QRect(0, 36, 608, 17));
    QCOMPARE(f.picAkamulyator2.widget()->geometry(), QRect(40, 24, 40, 20));
    QCOMPARE(f.picExit.widget()->toolTip(), QStringLiteral("Закрыть"));
    QCOMPARE(f.picKnMenu.widget()->toolTip(), QStringLiteral("Вызов меню - F10"));
    QCOMPARE(f.picPeresadka.widget()->toolTip(), QStringLiteral("Менять саженцы местами наугад."));
    QCOMPARE(f.picOtmenit.widget()->toolTip(), QStringLiteral("Отменить"));
    QCOMPARE(f.picPovtorit.widget()->toolTip(), QStringLiteral("Повторить"));
    QVERIFY(!f.imgRobot.isVisible());
    QVERIFY(!f.imgTraktor.isVisible());
}

void WindowTest::opensWithTheMenuOverAnEmptyOutlinedField() {
    GameFixture game;
    game.start();
    Forma& f = forma();
    QVERIFY(f.picMenu.isVisible());
    QVERIFY(f.picMenu.hasFocus());
    QCOMPARE(MenuHot(), 0);
    QVERIFY(entryHighlighted(0));
    for (int entry = 1; entry < 11; ++entry)
        QVERIFY(!entryHighlighted(entry));
    QVERIFY(menuButtonPressed());
    QCOMPARE(G.GameMode, Mode::NothingBegun);
    QCOMPARE(menuCaption(10), QStringLiteral("Выход"));
    // The raised frame: white at the top left, black at the bottom right.
    QCOMPARE(f.picMenu.pixel(0, 100), kWhite);
    QCOMPARE(f.picMenu.pixel(1, 100), kMenuFrameLight);
    QCOMPARE(f.picMenu.pixel(317, 100), kBlack);
    QCOMPARE(f.picMenu.pixel(316, 100), kButtonShadow);
    QCOMPARE(f.picMenu.pixel(100, 326), kBlack);
    // Every bed empty: its black outline on the shadow background.
    Surface& field = f.picPole;
    for (int col = 0; col < kCols; ++col) {
        for (int row = 0; row < kRows; ++row) {
            const int x = cellX(col), y = cellY(row);
            QCOMPARE(field.pixel(x, y + 17), kBlack);
            QCOMPARE(field.pixel(x + 35, y + 17), kBlack);
            QCOMPARE(field.pixel(x + 20, y), kBlack);
            QCOMPARE(field.pixel(x + 20, y + 39), kBlack);
            if (col != 0 || row != 0)  // the cursor square waits on (0, 0)
                QCOMPARE(field.pixel(x + 1, y + 1), kButtonShadow);
            QVERIFY(cellIsEmpty(col, row));
        }
    }
}

void WindowTest::picturesAndTheCursorRingNeverDrawOverEachOtherOrTheOutlines() {
    GameFixture game;
    game.start();
    Surface& field = forma().picPole;
    layOutForPlay({{3, 4, 7}});
    QCOMPARE(field.pixel(1, 1), kGreen);
    KursorKvadrat(3, 4);
    QCOMPARE(field.pixel(1, 1), kButtonShadow);
    const int x = cellX(3), y = cellY(4);
    QVERIFY(filledWith(field, x + 1, y + 1, 34, 1, kGreen));
    QVERIFY(filledWith(field, x + 1, y + 38, 34, 1, kGreen));
    QVERIFY(filledWith(field, x + 1, y + 1, 1, 38, kGreen));
    QVERIFY(filledWith(field, x + 34, y + 1, 1, 38, kGreen));
    QVERIFY(filledWith(field, x, y, 36, 1, kBlack));
    QVERIFY(cellShows(3, 4, 7));
    // Drawing and erasing under the ring touch exactly the picture area.
    for (int sign : {1, 2, 17, 33}) {
        G.CurrentSign = sign;
        AddZnak(kDrawSign, 3, 4);
        QCOMPARE(G.FieldGrid(3, 4), sign);
        QVERIFY(cellShows(3, 4, sign));
    }
    AddZnak(kEraseCell, 3, 4);
    QCOMPARE(G.FieldGrid(3, 4), kEmpty);
    QVERIFY(cellIsEmpty(3, 4));
    QVERIFY(filledWith(field, x + 1, y + 1, 34, 1, kGreen));
    QVERIFY(filledWith(field, x + 1, y + 38, 34, 1, kGreen));
    QVERIFY(filledWith(field, x, y, 36, 1, kBlack));
    QVERIFY(filledWith(field, x + 35, y, 1, 40, kBlack));
    // The mouse moves it too; a point outside the field leaves it.
    QTest::keyClick(&game.box("picMenu"), Qt::Key_Escape);
    QTest::mouseMove(&game.box("picPole"), QPoint(36 * 9 + 5, 40 * 2 + 5));
    QCOMPARE(G.CursorCol, 9);
    QCOMPARE(G.CursorRow, 2);
    picPole_MouseMove(1, 0, 600, 10);
    QCOMPARE(G.CursorCol, 9);
}

void WindowTest::menuEntriesFollowTheMouseWithinTheirBounds() {
    GameFixture game;
    game.start();
    PictureBox& menu = game.box("picMenu");
    QTest::mouseMove(&menu, QPoint(100, 29 * 4 + 10));
    QCOMPARE(MenuHot(), 4);
    QVERIFY(entryHighlighted(4));
    QVERIFY(!entryHighlighted(0));
    QCOMPARE(menuEntryAt(100, 2), 0);
    QCOMPARE(menuEntryAt(100, 3), 0);
    QCOMPARE(menuEntryAt(100, 32), 0);
    QCOMPARE(menuEntryAt(100, 33), 1);
    QCOMPARE(menuEntryAt(100, 315), 10);
    QCOMPARE(menuEntryAt(313, 100), 3);
    for (const QPoint outside : {QPoint(100, 0), QPoint(100, 1), QPoint(100, 316), QPoint(314, 100), QPoint(1, 50)}) {
        QCOMPARE(menuEntryAt(outside.x(), outside.y()), -1);
        QTest::mouseMove(&menu, outside);
        QCOMPARE(MenuHot(), 4);
    }
    // A release of any button over an entry runs it: "Засеять новое поле".
    QTest::mouseRelease(&menu, Qt::RightButton, {}, QPoint(50, 29 * 4 + 10));
    QCOMPARE(G.GameMode, Mode::Sowing);
    QVERIFY(!forma().picMenu.isVisible());
    QVERIFY(!menuButtonPressed());
}

void WindowTest::menuKeysWrapAndClose() {
    GameFixture game;
    game.start();
    PictureBox& menu = game.box("picMenu");
    QTest::keyClick(&menu, Qt::Key_Up);
    QCOMPARE(MenuHot(), 10);
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(MenuHot(), 0);
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(MenuHot(), 1);
    QTest::keyClick(&menu, Qt::Key_Escape);
    QVERIFY(!forma().picMenu.isVisible());
    QVERIFY(forma().picPole.hasFocus());
    QVERIFY(!menuButtonPressed());
    // F10 on the field opens it again with the first entry highlighted, F10 closes it.
    QTest::keyClick(&game.box("picPole"), Qt::Key_F10);
    QVERIFY(forma().picMenu.isVisible());
    QCOMPARE(MenuHot(), 0);
    QVERIFY(entryHighlighted(0) && !entryHighlighted(1));
    QTest::keyClick(&menu, Qt::Key_F10);
    QVERIFY(!forma().picMenu.isVisible());
    // A click on the field takes the focus from an open menu, which closes.
    OpenMenu();
    click(game.box("picPole"), QPoint(10, 10));
    QVERIFY(!forma().picMenu.isVisible());
}

void WindowTest::menuButtonOpensOnlyWhenReleasedOnIt() {
    GameFixture game;
    game.start();
    QTest::keyClick(&game.box("picMenu"), Qt::Key_Escape);
    PictureBox& button = game.box("picKnMenu");
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 40));
    QVERIFY(menuButtonPressed());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(!menuButtonPressed());
    QVERIFY(!forma().picMenu.isVisible());
    click(button, QPoint(40, 88));
    QVERIFY(forma().picMenu.isVisible());
    QVERIFY(menuButtonPressed());
    // A second click closes it again, and the button looks released.
    click(button, QPoint(20, 40));
    QVERIFY(!forma().picMenu.isVisible());
    QVERIFY(!menuButtonPressed());
    click(button, QPoint(20, 40));
    QVERIFY(forma().picMenu.isVisible());
    // Another application coming to the front leaves it open; a click in the window closes it.
    QApplication::setActiveWindow(nullptr);
    QVERIFY(forma().picMenu.isVisible());
    QApplication::setActiveWindow(&game.window());
    QVERIFY(forma().picMenu.isVisible());
    QTest::mouseClick(&game.window(), Qt::LeftButton, {}, QPoint(620, 530));
    QVERIFY(!forma().picMenu.isVisible());
    // While the field is busy the button does nothing.
    QTest::keyClick(&game.box("picMenu"), Qt::Key_Escape);
    G.Busy = FieldLock::Busy;
    click(button, QPoint(20, 40));
    QVERIFY(!forma().picMenu.isVisible());
}

void WindowTest::sowingANewFieldShowsTheEditor() {
    GameFixture game;
    game.start();
    Forma& f = forma();
    G.ShuffleKindsDefault = 1;
    RunMenuItem(QStringLiteral("Засеять новое поле"));
    QCOMPARE(G.GameMode, Mode::Sowing);
    QCOMPARE(G.ShuffleKinds, 1);
    QVERIFY(showsSheet(f.picPeresadka, 0, 0, f.picPeresadka2, 0, 0, 41, 41));
    for (const Control* shown : {(Control*)&f.lblNameFile, (Control*)&f.selZnak, (Control*)&f.picShowZnak,
                                 (Control*)&f.picPeresadka, (Control*)&f.picOtmenit, (Control*)&f.picPovtorit})
        QVERIFY(shown->isVisible());
    for (const Control* hidden : {(Control*)&f.picUroven, (Control*)&f.picKG, (Control*)&f.picAkamulyator})
        QVERIFY(!hidden->isVisible());
    QCOMPARE(f.lblNameFile.caption(), QStringLiteral("Новое поле"));
    // The fence is chosen: shown alone and flagged on the strip.
    QCOMPARE(G.CurrentSign, 1);
    QVERIFY(showsSheet(f.picShowZnak, 0, 0, f.picZnaki, 0, 0, 32, 36));
    QVERIFY(showsSheet(f.picZnaki, 16, 20, f.picFlagy, 0, 0, 16, 16));
    // Leaving the editor for play hides it again and keeps the field's name and shuffle switch.
    G.FieldFileName = QStringLiteral("x.tvk");
    G.GameMode = Mode::Playing;
    G.ShuffleKinds = 0;
    NewPole();
    QVERIFY(!f.selZnak.isVisible() && !f.lblNameFile.isVisible() && f.picKG.isVisible());
    QCOMPARE(G.FieldFileName, QStringLiteral("x.tvk"));
    QCOMPARE(G.ShuffleKinds, 0);
}

void WindowTest::layingOutForPlayShufflesKindsButKeepsPairsAndFences() {
    GameFixture game;
    game.start();
    const std::vector<CellRecord> records = {{0, 0, 2}, {1, 0, 2}, {2, 0, 3}, {3, 0, 3}, {4, 0, 1}, {5, 0, 33}};
    G.NoTractor = 1;
    G.ShuffleKinds = 1;
    G.GameMode = Mode::Playing;
    bool changedOnce = false;
    for (int round = 0; round < 20; ++round) {
        ShowPole(records, kForPlay);
        QCOMPARE(G.PictureCount, 5);
        QCOMPARE(G.FieldGrid(0, 0), G.FieldGrid(1, 0));
        QCOMPARE(G.FieldGrid(2, 0), G.FieldGrid(3, 0));
        QVERIFY(G.FieldGrid(0, 0) != G.FieldGrid(2, 0));
        QVERIFY(G.FieldGrid(5, 0) != G.FieldGrid(0, 0) && G.FieldGrid(5, 0) != G.FieldGrid(2, 0));
        QCOMPARE(G.FieldGrid(4, 0), kFence);
        for (int col = 0; col < 6; ++col)
            QVERIFY(cellShows(col, 0, G.FieldGrid(col, 0)));
        changedOnce = changedOnce || G.FieldGrid(0, 0) != 2;
        QCOMPARE(G.Busy, FieldLock::Free);
    }
    QVERIFY(changedOnce);
    // For editing: as recorded, nothing counted.
    ShowPole(records, kForEditing);
    QCOMPARE(G.FieldGrid(0, 0), 2);
    QCOMPARE(G.FieldGrid(5, 0), 33);
    QCOMPARE(G.PictureCount, 0);
    // Fences only: nothing to harvest.
    ShowPole({{4, 4, 1}}, kForPlay);
    QCOMPARE(G.PictureCount, 0);
}

void WindowTest::paletteScrollMovesTheStrip() {
    GameFixture game;
    game.start();
    Forma& f = forma();
    auto* bar = static_cast<QScrollBar*>(f.HScroll1.widget());
    QCOMPARE(bar->maximum(), 14);
    bar->setValue(14);
    QCOMPARE(f.picZnaki.left(), -448);
    bar->setSliderDown(true);
    bar->setSliderPosition(3);  // dragging the thumb
    QCOMPARE(f.picZnaki.left(), -96);
}

void WindowTest::closeButtonReleasedOutsideKeepsTheProgram() {
    GameFixture game;
    game.start();
    Forma& f = forma();
    PictureBox& exit = game.box("picExit");
    QTest::mousePress(&exit, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(showsSheet(f.picExit, 0, 0, f.picExit2, 0, 0, 30, 30));
    QTest::mouseRelease(&exit, Qt::LeftButton, {}, QPoint(31, 10));
    QVERIFY(game.window().isVisible());
    QVERIFY(!showsSheet(f.picExit, 0, 0, f.picExit2, 0, 0, 30, 30));
    QVERIFY(game.messages.empty());
    // Released on it in mode 0: the program closes without a question.
    click(exit, QPoint(29, 29));
    QVERIFY(!game.window().isVisible());
    QVERIFY(game.messages.empty());
}

void WindowTest::closingDuringAGameAsksAndNoKeepsEverything() {
    GameFixture game;
    game.start();
    layOutForPlay({{1, 1, 5}, {2, 2, 5}});
    const FieldGrid before = G.FieldGrid;
    game.answerNext(MsgAnswer::No);
    QVERIFY(!game.window().close());
    QVERIFY(game.window().isVisible());
    QCOMPARE(game.messages.size(), size_t(1));
    QCOMPARE(game.messages[0].text, QStringLiteral("Закрыть программу?"));
    QCOMPARE(game.messages[0].icon, MsgIcon::Warning);
    QCOMPARE(game.messages[0].defaultAnswer, MsgAnswer::No);
    QCOMPARE(G.GameMode, Mode::Playing);
    QVERIFY(G.FieldGrid == before);
    QVERIFY(game.readFile(QStringLiteral("Tavik.ini")).isEmpty());
    // Alt+F4 on the field asks the same; Yes closes.
    game.answerNext(MsgAnswer::Yes);
    QTest::keyClick(&game.box("picPole"), Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!game.window().isVisible());
    QCOMPARE(G.GameMode, Mode::Over);
}

void WindowTest::closingWritesTheSettingsFile() {
    GameFixture game;
    game.start();
    G.ShuffleKindsDefault = 1;
    G.NoTractor = 0;
    G.LastFieldName = QStringLiteral("поле, 2.tvk");
    RunMenuItem(QStringLiteral("Выход"));
    QVERIFY(!game.window().isVisible());
    QCOMPARE(game.readFile(QStringLiteral("Tavik.ini")),
             QByteArray(" 1 \r\n 0 \r\n\xEF\xEE\xEB\xE5, 2.tvk\r\n"));
}

void WindowTest::settingsAreReadAtStart() {
    GameFixture game;
    game.writeFile(QStringLiteral("Tavik.ini"), QByteArray(" 1 \r\n 1 \r\na,b.tvk\r\n"));
    game.start();
    QCOMPARE(G.ShuffleKindsDefault, 1);
    QCOMPARE(G.NoTractor, 1);
    QCOMPARE(G.LastFieldName, QStringLiteral("a,b.tvk"));
    QCOMPARE(G.AppFolder, game.folder());
    QCOMPARE(G.FieldFolder, game.folder() + QStringLiteral("Pole/"));
}

void WindowTest::programFolderGetsExactlyOneSeparator() {
    QCOMPARE(withSeparator(QStringLiteral("/")), QStringLiteral("/"));
    QCOMPARE(withSeparator(QStringLiteral("/home/a")), QStringLiteral("/home/a/"));
    QCOMPARE(withSeparator(QStringLiteral("/home/a/")), QStringLiteral("/home/a/"));
    QCOMPARE(withSeparator(QStringLiteral("/home/back\\slash")), QStringLiteral("/home/back\\slash/"));
    QCOMPARE(withSeparator(QStringLiteral("/home/ends\\")), QStringLiteral("/home/ends\\/"));
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
