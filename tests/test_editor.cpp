// The field editor as a designer uses it: sowing, undo and redo, the pair check, the field dialog,
// the shuffle button, and a sown field played as sown.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "editor/FieldCheck.h"
#include "editor/History.h"
#include "editor/SaveField.h"
#include "editor/Sowing.h"
#include "menu/Menu.h"
#include "play/FieldInput.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/frmFile.h"

namespace {
void startEditor(GameFixture& game) {
    game.start();
    RunMenuItem(QStringLiteral("Засеять новое поле"));
}

void sow(int col, int row, int sign) {
    CHtoSeyat(32 * (sign - 1));
    KursorKvadrat(col, row);
    PosevZnaka(kLeftButton);
}

bool undoLooks(int sheetX) {
    Forma& f = forma();
    return showsSheet(f.picOtmenit, 0, 0, f.picOtmenit2, sheetX, 0, 33, 29);
}
bool redoLooks(int sheetX) {
    Forma& f = forma();
    return showsSheet(f.picPovtorit, 0, 0, f.picPovtorit2, sheetX, 0, 33, 29);
}
bool undoUnavailable() { return bare(forma().picOtmenit); }
bool redoUnavailable() { return bare(forma().picPovtorit); }
void clickButton(PictureBox& button) { click(button, QPoint(10, 10)); }


// Types into the dialog's name box as a player would, key by key.
void typeName(frmFile& dialog, const QString& text) {
    dialog.txtNameFile->clear();
    QTest::keyClicks(dialog.txtNameFile, text);
}
}  // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void paletteChoosesWithClicksHomeAndEnd();
    void aPaletteReleaseNeverChoosesBeyondTheLastPicture();
    void placingUndoingAndRedoingStopAtTheEnds();
    void overwritingAndRemovingAreUndone();
    void aNewStepDropsTheRedoTail();
    void checkAcceptsOnlyAFieldWhosePicturesAllPair();
    void shuffleButtonTogglesAndBecomesTheDefault();
    void saveAsAsksForANameWithTheOldOneSelected();
    void saveWritesBackWithoutAQuestion();
    void dialogRefusesTypedCharactersAndPastedPaths();
    void openModeKeepsTheDialogForAWrongFile();
    void arrowKeysWalkTheFileList();
    void aSownFieldPlaysAsSown();
};

void EditorTest::paletteChoosesWithClicksHomeAndEnd() {
    GameFixture game;
    startEditor(game);
    Forma& f = forma();
    PictureBox& strip = game.box("picZnaki");
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(32 * 4 + 5, 10));
    QCOMPARE(G.CurrentSign, 5);
    QVERIFY(showsSheet(f.picShowZnak, 0, 0, f.picZnaki, 128, 0, 32, 36));
    QVERIFY(showsSheet(f.picZnaki, 128 + 16, 20, f.picFlagy, 64, 0, 16, 16));
    QVERIFY(!showsSheet(f.picZnaki, 16, 20, f.picFlagy, 0, 0, 16, 16));  // the old mark is gone
    // Ten pixels below the strip still chooses the picture above.
    picZnaki_MouseUp(kLeftButton, 0, 32 * 6 + 1, 46);
    QCOMPARE(G.CurrentSign, 7);
    QTest::keyClick(&game.box("picPole"), Qt::Key_End);
    QCOMPARE(G.CurrentSign, 33);
    QCOMPARE(f.HScroll1.value(), 14);
    QCOMPARE(f.picZnaki.left(), -448);
    QTest::keyClick(&game.box("picPole"), Qt::Key_Home);
    QCOMPARE(G.CurrentSign, 1);
    QCOMPARE(f.HScroll1.value(), 0);
}

void EditorTest::aPaletteReleaseNeverChoosesBeyondTheLastPicture() {
    GameFixture game;
    startEditor(game);
    forma().HScroll1.setValue(14);
    picZnaki_MouseUp(kLeftButton, 0, 1055, 10);
    QCOMPARE(G.CurrentSign, 33);
    picZnaki_MouseUp(kLeftButton, 0, 1056, 10);  // the right edge of the window at its end
    QCOMPARE(G.CurrentSign, 33);
    forma().HScroll1.setValue(0);
    picZnaki_MouseUp(kLeftButton, 0, 700, 10);  // right of the window: not a choice
    QCOMPARE(G.CurrentSign, 33);
}

void EditorTest::placingUndoingAndRedoingStopAtTheEnds() {
    GameFixture game;
    startEditor(game);
    QVERIFY(undoUnavailable() && redoUnavailable());
    // With nothing to undo, or to redo, a press shows no pressed look and the release does nothing.
    PictureBox& undo = game.box("picOtmenit");
    PictureBox& redo = game.box("picPovtorit");
    QTest::mousePress(&undo, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(undoUnavailable());
    QTest::mouseRelease(&undo, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(undoUnavailable());
    sow(4, 4, 10);
    QVERIFY(cellShows(4, 4, 10));
    QVERIFY(undoLooks(0));
    QTest::mousePress(&redo, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(redoUnavailable());
    QTest::mouseRelease(&redo, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(H.HistoryPos, 1);
    QCOMPARE(G.FieldGrid(4, 4), 10);
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("Новое поле"));
    clickButton(game.box("picOtmenit"));
    QCOMPARE(G.FieldGrid(4, 4), 0);
    QVERIFY(cellIsEmpty(4, 4));
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("0"));
    QVERIFY(undoUnavailable());
    QVERIFY(redoLooks(0));
    clickButton(game.box("picPovtorit"));
    QCOMPARE(G.FieldGrid(4, 4), 10);
    QVERIFY(cellShows(4, 4, 10));
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("1"));
    QVERIFY(undoLooks(0));
    QVERIFY(redoUnavailable());
    // A press shows the pressed look; dragged off before the release it does nothing.
    QTest::mousePress(&undo, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(undoLooks(33));
    QTest::mouseRelease(&undo, Qt::LeftButton, {}, QPoint(50, 5));
    QVERIFY(undoLooks(0));
    QCOMPARE(G.FieldGrid(4, 4), 10);
}

void EditorTest::overwritingAndRemovingAreUndone() {
    GameFixture game;
    startEditor(game);
    sow(2, 2, 8);
    sow(2, 2, 9);
    QVERIFY(cellShows(2, 2, 9));
    Izmenenit(-1);
    QVERIFY(cellShows(2, 2, 8));
    QCOMPARE(G.FieldGrid(2, 2), 8);
    KursorKvadrat(2, 2);
    QTest::keyClick(&game.box("picPole"), Qt::Key_Delete);
    QVERIFY(cellIsEmpty(2, 2));
    Izmenenit(-1);
    QVERIFY(cellShows(2, 2, 8));
    Izmenenit(+1);
    QVERIFY(cellIsEmpty(2, 2));
    // A right click on an empty cell is a step that changes nothing, undone like any other.
    const int before = H.HistoryPos;
    PictureBox& field = game.box("picPole");
    QTest::mouseClick(&field, Qt::RightButton, {}, QPoint(36 * 7 + 9, 40 * 7 + 9));
    QCOMPARE(H.HistoryPos, before + 1);
    Izmenenit(-1);
    QVERIFY(cellIsEmpty(7, 7));
}

void EditorTest::aNewStepDropsTheRedoTail() {
    GameFixture game;
    startEditor(game);
    sow(0, 0, 2);
    sow(1, 0, 3);
    sow(2, 0, 4);
    Izmenenit(-1);
    Izmenenit(-1);
    QVERIFY(redoLooks(0));
    sow(5, 5, 6);
    QCOMPARE(H.HistoryCount, 2);
    QCOMPARE(H.HistoryPos, 2);
    QVERIFY(redoUnavailable());
    Izmenenit(-1);
    Izmenenit(+1);
    QCOMPARE(G.FieldGrid(5, 5), 6);
    QCOMPARE(G.FieldGrid(2, 0), 0);  // the old third step is never redone
}

void EditorTest::checkAcceptsOnlyAFieldWhosePicturesAllPair() {
    GameFixture game;
    startEditor(game);
    // Nothing sown, then fences only: nothing to harvest.
    QCOMPARE(AnalizPolya(), 1);
    sow(0, 0, 1);
    sow(3, 1, 1);
    QCOMPARE(AnalizPolya(), 1);
    QCOMPARE(game.messageTexts(), QStringList({QStringLiteral("Поле не засеяно."), QStringLiteral("Поле не засеяно.")}));
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    sow(0, 1, 7);
    sow(5, 1, 7);
    sow(2, 3, 7);
    sow(15, 9, 20);
    sow(3, 2, 20);
    QCOMPARE(AnalizPolya(), 1);
    QCOMPARE(game.messageTexts().mid(2), QStringList{QStringLiteral("Флажками отмечены картинки у которых нет пары.")});
    QVERIFY(flagged(2, 3, 7));  // the last of the three in row-major order
    QVERIFY(cellShows(0, 1, 7) && cellShows(5, 1, 7));
    QVERIFY(cellShows(15, 9, 20) && cellShows(3, 2, 20));
    // Fixed by a fourth: the next check clears the old flag, accepts and collects the cells row by row.
    sow(3, 3, 7);
    QCOMPARE(AnalizPolya(), 0);
    QVERIFY(cellShows(2, 3, 7));
    QCOMPARE(game.messages.size(), size_t(3));
    QCOMPARE(G.PictureCount, 8);
    const std::vector<CellRecord> expected = {{0, 0, 1},  {0, 1, 7}, {3, 1, 1}, {5, 1, 7},
                                              {3, 2, 20}, {2, 3, 7}, {3, 3, 7}, {15, 9, 20}};
    QVERIFY(G.SownCells == expected);
}

void EditorTest::shuffleButtonTogglesAndBecomesTheDefault() {
    GameFixture game;
    startEditor(game);
    Forma& f = forma();
    PictureBox& shuffle = game.box("picPeresadka");
    QTest::mouseClick(&shuffle, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(G.ShuffleKinds, 1);
    QCOMPARE(G.ShuffleKindsDefault, 1);
    QVERIFY(showsSheet(f.picPeresadka, 0, 0, f.picPeresadka2, 0, 0, 41, 41));
    RunMenuItem(QStringLiteral("Засеять новое поле"));
    QCOMPARE(G.ShuffleKinds, 1);
    QVERIFY(showsSheet(f.picPeresadka, 0, 0, f.picPeresadka2, 0, 0, 41, 41));
    QTest::mousePress(&shuffle, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&shuffle, Qt::LeftButton, {}, QPoint(45, 20));  // dragged off: nothing
    QCOMPARE(G.ShuffleKinds, 1);
    QTest::mouseClick(&shuffle, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(G.ShuffleKinds, 0);
    QCOMPARE(G.ShuffleKindsDefault, 0);
    QVERIFY(bare(f.picPeresadka));
}

void EditorTest::saveAsAsksForANameWithTheOldOneSelected() {
    GameFixture game;
    startEditor(game);
    sow(1, 1, 4);
    sow(2, 2, 4);
    ModalScript script;
    script.then<frmFile>([](frmFile& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Сохранить файл"));
        QCOMPARE(dialog.txtNameFile->text(), QString());
        QVERIFY(!dialog.kSave->isEnabled());
        typeName(dialog, QStringLiteral("pole1"));
        QVERIFY(dialog.kSave->isEnabled());
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Сохранить"));
    QVERIFY(script.finished());
    QVERIFY(!game.readFile(QStringLiteral("Pole/pole1.tvk")).isEmpty());
    QCOMPARE(G.FieldFileName, QStringLiteral("pole1.tvk"));
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("pole1.tvk"));
    // "Сохранить как..." shows the name selected; a name with a dot keeps its own extension.
    script.then<frmFile>([](frmFile& dialog) {
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("pole1.tvk"));
        QCOMPARE(dialog.txtNameFile->selectedText(), QStringLiteral("pole1.tvk"));
        QCOMPARE(dialog.File1->count(), 1);
        typeName(dialog, QStringLiteral("pole1.txt"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Return);
    });
    RunMenuItem(QStringLiteral("Сохранить как..."));
    QVERIFY(script.finished());
    QVERIFY(!game.readFile(QStringLiteral("Pole/pole1.txt")).isEmpty());
    QVERIFY(!game.readFile(QStringLiteral("Pole/pole1.tvk")).isEmpty());
    QVERIFY(game.messages.empty());
}

void EditorTest::saveWritesBackWithoutAQuestion() {
    GameFixture game;
    startEditor(game);
    sow(1, 1, 4);
    sow(2, 2, 4);
    G.SownCells = {{1, 1, 4}, {2, 2, 4}};
    G.PictureCount = 2;
    SavePole(QStringLiteral("a.tvk"));
    QVERIFY(OpenPole(QStringLiteral("a.tvk"), kForEditing) == 0);  // reopened for more sowing
    sow(3, 3, 4);
    sow(4, 4, 4);
    ModalScript script;  // no dialog may open
    RunMenuItem(QStringLiteral("Сохранить"));
    QVERIFY(script.finished());
    QVERIFY(game.messages.empty());
    QVERIFY(OpenPole(QStringLiteral("a.tvk"), kForEditing) == 0);
    QCOMPARE(G.FieldGrid(4, 4), 4);
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("a.tvk"));
}

void EditorTest::dialogRefusesTypedCharactersAndPastedPaths() {
    GameFixture game;
    startEditor(game);
    sow(1, 1, 4);
    sow(2, 2, 4);
    ModalScript script;
    script.then<frmFile>([&game](frmFile& dialog) {
        typeName(dialog, QStringLiteral("a:b?c*d|e\"f<g>h\\i/j"));
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("abcdefghij"));
        dialog.txtNameFile->clear();
        QVERIFY(!dialog.kSave->isEnabled());
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Return);  // an empty name: nothing happens
        QVERIFY(dialog.isVisible());
        dialog.txtNameFile->setText(QStringLiteral("../escape"));  // as if pasted
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(game.messageTexts().last(), QStringLiteral("Файл ../escape сохранить не возможно."));
        // Windows-1251 cannot keep the first; no list would show the others again.
        for (const char* name : {"поле\u263A", ".name", "x.tvk "}) {
            dialog.txtNameFile->setText(QString::fromUtf8(name));
            QTest::mouseClick(dialog.kSave, Qt::LeftButton);
            QVERIFY(dialog.isVisible());
        }
        QTest::mouseClick(dialog.kNO, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Сохранить"));
    QVERIFY(script.finished());
    QCOMPARE(game.messages.size(), size_t(4));
    QVERIFY(game.readFile(QStringLiteral("escape.tvk")).isEmpty());
    QCOMPARE(QDir(game.folder() + QStringLiteral("Pole")).entryList(QDir::Files).size(), 0);
}

void EditorTest::openModeKeepsTheDialogForAWrongFile() {
    GameFixture game;
    game.writeFile(QStringLiteral("Pole/game.tvk"), QByteArray("[tavik_game]\r\n 5 \r\n"));
    startEditor(game);
    sow(1, 1, 4);
    sow(2, 2, 4);
    G.SownCells = {{6, 6, 9}, {7, 7, 9}};
    G.ShuffleKinds = 1;
    SavePole(QStringLiteral("good.tvk"));
    RunMenuItem(QStringLiteral("Засеять новое поле"));
    ModalScript script;
    script.then<frmFile>([&game](frmFile& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Открыть файл"));
        QCOMPARE(dialog.kSave->text(), QStringLiteral("Открыть"));
        QVERIFY(!dialog.kSave->isEnabled());
        typeName(dialog, QStringLiteral("game"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(game.messageTexts().last(), QStringLiteral("Файл game.tvk не подходит к программе."));
        typeName(dialog, QStringLiteral("none"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
        QCOMPARE(game.messageTexts().last(), QStringLiteral("Файл none.tvk не найден."));
        typeName(dialog, QStringLiteral("good"));
        QTest::mouseClick(dialog.kSave, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Продолжить посев"));
    QVERIFY(script.finished());
    QCOMPARE(G.GameMode, Mode::Sowing);
    QCOMPARE(G.FieldGrid(7, 7), 9);
    QVERIFY(cellShows(6, 6, 9));
    QCOMPARE(G.FieldGrid(1, 1), 0);
    QCOMPARE(G.ShuffleKinds, 1);
    QCOMPARE(G.ShuffleKindsDefault, 1);
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("good.tvk"));
    QCOMPARE(G.CurrentSign, 1);
}

void EditorTest::arrowKeysWalkTheFileList() {
    GameFixture game;
    for (const char* name : {"b.tvk", "A.tvk", "c.tvk"})
        game.writeFile(QStringLiteral("Pole/") + QString::fromLatin1(name), QByteArray());
    startEditor(game);
    ModalScript script;
    script.then<frmFile>([](frmFile& dialog) {
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Up);  // nothing selected: the box keeps the key
        QCOMPARE(dialog.txtNameFile->text(), QString());
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Down);
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("A.tvk"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Down);
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Down);
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("c.tvk"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Down);  // at the last entry nothing moves
        QCOMPARE(dialog.File1->currentRow(), 2);
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Up);
        QCOMPARE(dialog.txtNameFile->text(), QStringLiteral("b.tvk"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Escape);
    });
    ContinueSowing();
    QVERIFY(script.finished());
}

void EditorTest::aSownFieldPlaysAsSown() {
    GameFixture game;
    startEditor(game);
    sow(0, 0, 5);
    sow(15, 9, 5);
    sow(7, 4, 1);
    sow(3, 3, 30);
    sow(3, 6, 30);
    ModalScript script;
    script.then<frmFile>([](frmFile& dialog) {
        typeName(dialog, QStringLiteral("level"));
        QTest::keyClick(dialog.txtNameFile, Qt::Key_Return);
    });
    RunMenuItem(QStringLiteral("Сохранить"));
    QVERIFY(script.finished());
    G.NoTractor = 1;
    forma().FilyUrovney.refresh();  // as the new-game dialog does when it opens
    BeginGame(1, QStringLiteral("level.tvk"));
    QCOMPARE(G.GameMode, Mode::Playing);
    QCOMPARE(G.PictureCount, 4);
    QCOMPARE(G.FieldGrid(0, 0), 5);
    QCOMPARE(G.FieldGrid(15, 9), 5);
    QCOMPARE(G.FieldGrid(7, 4), 1);
    QCOMPARE(G.FieldGrid(3, 6), 30);
    QVERIFY(cellShows(3, 3, 30));
    QCOMPARE(G.LevelNumber, 1);
}

QTEST_MAIN(EditorTest)
#include "test_editor.moc"
