// The players list: its file across restarts, choosing, deleting, and the photos it shows.
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

#include "core/GameState.h"
#include "menu/Menu.h"
#include "players/PlayersState.h"
#include "players/PlayersStore.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"
#include "ui/frmIgroki.h"

namespace {
const QString kMasha = QStringLiteral("Маша");

// Opens the players list from the menu, as the player does, and lets the step act in it.
void inPlayersList(std::function<void(frmIgroki&)> step) {
    ModalScript script;
    script.then<frmIgroki>(std::move(step));
    RunMenuItem(QStringLiteral("Список игроков"));
    QVERIFY(script.finished());
}

QStringList lines(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// The photo box shows the top-left of the striped photo at its own size, the rest blank.
void showsStripedPhoto(const PictureBox& box, int width, int height) {
    const int right = std::min(width, 110) - 3, bottom = std::min(height, 140) - 3;
    for (const QPoint at : {QPoint(5, 5), QPoint(right, 5), QPoint(5, bottom), QPoint(right, bottom), QPoint(55, 60)})
        if (at.x() < width && at.y() < height)
            QVERIFY(nearColour(box.pixel(at.x(), at.y()), stripeColour(at.x(), at.y())));
    if (width < 110)
        QCOMPARE(box.pixel(width + 1, 5), box.background());
    if (height < 140)
        QCOMPARE(box.pixel(5, height + 1), box.background());
}

bool showsText(const PictureBox& box) {
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (box.pixel(x, y) != box.background())
                return true;
    return false;
}
}  // namespace

class PlayersTest : public QObject {
    Q_OBJECT
private slots:
    void namesAndPhotosSurviveARestartExactly();
    void deletingTheOnlyPlayerWritesTheEmptyList();
    void closingWithoutChangesLeavesTheFileAlone();
    void damagedFilesStartWithWhatCanBeRead_data();
    void damagedFilesStartWithWhatCanBeRead();
    void anUnwritableFileIsReportedAndTriedAgain();
    void chooseModeReturnsTheChosenPlayer();
    void browseModeHidesOkAndIgnoresDoubleClicks();
    void deletingMovesTheNextPlayersUp();
    void photosOfEveryFormatShowAtTheirOwnSize();
    void aPhotoIsReadOnlyInsideItsFolderAndOnlyItsCornerOrShowsError();
    void pipesInPlaceOfTheFilesAreNeverOpened();
};

void PlayersTest::namesAndPhotosSurviveARestartExactly() {
    const std::vector<std::pair<QString, QString>> players{
        {kMasha, QStringLiteral("masha.jpg")},
        {QStringLiteral("  Петров, \"Пётр\""), QStringLiteral("фото 2, \"с\".png")},
        {QStringLiteral("Ёжик"), QString()}};
    QByteArray written;
    {
        GameFixture game;
        game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf(players));
        game.start();
        QCOMPARE(P.PlayersLast, 2);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(P.Players[i].Name, players[i].first);
            QCOMPARE(P.Players[i].Photo, players[i].second);
        }
        // A change makes the list write itself back when the window closes.
        game.answerNext(MsgAnswer::Yes);
        inPlayersList([](frmIgroki& list) {
            QCOMPARE(lines(list.List1), QStringList({kMasha, QStringLiteral("  Петров, \"Пётр\""), QStringLiteral("Ёжик")}));
            clickLine(list.List1, 2);
            QTest::mouseClick(list.kDelName, Qt::LeftButton);
            QTest::mouseClick(list.kClose, Qt::LeftButton);
        });
        written = game.readFile(QStringLiteral("Igroki.ini"));
    }
    // Line 2 is the last index after one blank; the file ends with an empty line.
    QCOMPARE(written, playersFileOf({players[0], players[1]}));
    QVERIFY(written.startsWith("[tavik_igroki]\r\n 1\r\n\xCC\xE0\xF8\xE0\r\nmasha.jpg\r\n"));
    GameFixture again;
    again.writeFile(QStringLiteral("Igroki.ini"), written);
    again.start();
    QCOMPARE(P.PlayersLast, 1);
    QCOMPARE(P.Players[1].Name, players[1].first);
    QCOMPARE(P.Players[1].Photo, players[1].second);
}

void PlayersTest::deletingTheOnlyPlayerWritesTheEmptyList() {
    GameFixture game;
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{kMasha, QStringLiteral("masha.jpg")}}));
    game.start();
    game.answerNext(MsgAnswer::Yes);
    inPlayersList([](frmIgroki& list) {
        clickLine(list.List1, 0);
        QTest::mouseClick(list.kDelName, Qt::LeftButton);
        QCOMPARE(list.List1->count(), 0);
        list.close();  // the window's own close box
    });
    QCOMPARE(P.PlayersLast, -1);
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")), QByteArray("[tavik_igroki]\r\n-1\r\n\r\n"));
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Вы уверены?")});
    QCOMPARE(game.messages[0].icon, MsgIcon::Warning);
}

void PlayersTest::closingWithoutChangesLeavesTheFileAlone() {
    GameFixture game;
    const QByteArray handMade = "[tavik_igroki]\r\n 0 \r\nAnna\r\nanna.png\r\n";  // no closing empty line
    game.writeFile(QStringLiteral("Igroki.ini"), handMade);
    game.start();
    QDir(game.folder()).rmdir(QStringLiteral("Photo"));
    game.answerNext(MsgAnswer::No);
    inPlayersList([](frmIgroki& list) {
        clickLine(list.List1, 0);
        // Deleting asked and answered No changes nothing either.
        QTest::mouseClick(list.kDelName, Qt::LeftButton);
        QTest::mouseClick(list.kName[1], Qt::LeftButton);  // no photo folder: refused, nothing opens
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")), handMade);
    QCOMPARE(game.messageTexts(),
             QStringList({QStringLiteral("Вы уверены?"), QStringLiteral("Папка \"Photo\" не найдена.")}));
    QCOMPARE(P.PlayersChanged, 0);
}

void PlayersTest::damagedFilesStartWithWhatCanBeRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("photos");
    QTest::newRow("count below -1") << QByteArray("[tavik_igroki]\r\n-7\r\nA\r\na\r\n") << QStringList() << QStringList();
    QTest::newRow("count no number") << QByteArray("[tavik_igroki]\r\nx1\r\nA\r\na\r\n") << QStringList()
                                      << QStringList();
    QTest::newRow("count missing") << QByteArray("[tavik_igroki]\r\n") << QStringList() << QStringList();
    QTest::newRow("magic in other case") << QByteArray("[Tavik_Igroki]\r\n 0\r\nA\r\na\r\n") << QStringList()
                                          << QStringList();
    QTest::newRow("count beyond the lines") << QByteArray("[tavik_igroki]\r\n 2147483647\r\nA\r\na\r\nB")
                                             << QStringList{"A", "B"} << QStringList{"a", ""};
    QTest::newRow("count beyond a list as written") << QByteArray("[tavik_igroki]\r\n 5\r\nA\r\na\r\nB\r\n\r\n\r\n")
                                                     << QStringList{"A", "B"} << QStringList{"a", ""};
    QTest::newRow("bare line feeds") << QByteArray("[tavik_igroki]\n 1\nA\na\nB\nb\n") << QStringList{"A", "B"}
                                      << QStringList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList();
}

void PlayersTest::damagedFilesStartWithWhatCanBeRead() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QStringList, photos);
    GameFixture game;
    game.writeFile(QStringLiteral("Igroki.ini"), file);
    game.start();
    QCOMPARE(P.PlayersLast, names.size() - 1);
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(P.Players[i].Name, names[i]);
        QCOMPARE(P.Players[i].Photo, photos[i]);
    }
    QVERIFY(game.messages.empty());
}

void PlayersTest::anUnwritableFileIsReportedAndTriedAgain() {
    GameFixture game;
    game.start();
    // A folder in the file's place cannot be replaced, whoever runs the test.
    QVERIFY(QDir(game.folder()).mkdir(QStringLiteral("Igroki.ini")));
    P.Players = {{QStringLiteral("a.png"), QStringLiteral("A")}};
    P.PlayersLast = 0;
    P.PlayersChanged = 1;
    inPlayersList([](frmIgroki& list) { QTest::mouseClick(list.kClose, Qt::LeftButton); });
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл Igroki.ini защищён от записи.")});
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(P.PlayersChanged, 1);
    QVERIFY(QDir(game.folder()).rmdir(QStringLiteral("Igroki.ini")));
    inPlayersList([](frmIgroki& list) { QTest::mouseClick(list.kClose, Qt::LeftButton); });
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")), playersFileOf({{"A", "a.png"}}));
    QCOMPARE(P.PlayersChanged, 0);
}

void PlayersTest::chooseModeReturnsTheChosenPlayer() {
    GameFixture game;
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{"A", "a.png"}, {"B", "b.png"}}));
    game.start();
    ModalScript script;
    script.then<frmIgroki>([](frmIgroki& list) {
        QVERIFY(list.kOK->isVisible());
        QTest::mouseClick(list.kOK, Qt::LeftButton);  // at once: the first player is chosen
    });
    script.then<frmIgroki>([](frmIgroki& list) { doubleClickLine(list.List1, 1); });
    script.then<frmIgroki>([&game](frmIgroki& list) {
        QCOMPARE(list.selectedIndex(), 1);  // the last record's player comes first
        game.answerNext(MsgAnswer::No);
        QTest::keyClick(&list, Qt::Key_Escape);
        QVERIFY(list.isVisible());
        game.answerNext(MsgAnswer::Yes);
        list.close();
    });
    for (int expected : {0, 1, -1}) {
        P.CurrentPlayer = -1;
        openFrmIgroki();
        QCOMPARE(P.CurrentPlayer, expected);
        P.RecordHolder = QStringLiteral("B");
    }
    QVERIFY(script.finished());
    const QString question = QStringLiteral("Результат не попадёт на доску почёта. Вы уверены?");
    QCOMPARE(game.messageTexts(), QStringList({question, question}));
    QCOMPARE(game.messages[0].icon, MsgIcon::Warning);
    QCOMPARE(game.messages[0].defaultAnswer, MsgAnswer::No);
}

void PlayersTest::browseModeHidesOkAndIgnoresDoubleClicks() {
    GameFixture game;
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{"A", "a.png"}, {"B", "b.png"}}));
    game.start();
    inPlayersList([](frmIgroki& list) {
        QCOMPARE(list.windowTitle(), QStringLiteral("Список игроков"));
        QCOMPARE(list.size(), QSize(356, 342));
        QVERIFY(!list.kOK->isVisible());
        doubleClickLine(list.List1, 1);
        QVERIFY(list.isVisible());
        QCOMPARE(list.selectedIndex(), 1);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    QCOMPARE(P.CurrentPlayer, 0);
}

void PlayersTest::deletingMovesTheNextPlayersUp() {
    GameFixture game;
    stripedPhoto(40, 40).save(game.folder() + "Photo/c.png");
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{"A", "a.png"}, {"B", "b.png"}, {"C", "c.png"}}));
    game.start();
    game.answerNext(MsgAnswer::No);
    game.answerNext(MsgAnswer::Yes);
    inPlayersList([](frmIgroki& list) {
        clickLine(list.List1, 1);
        QTest::mouseClick(list.kDelName, Qt::LeftButton);
        QCOMPARE(list.List1->count(), 3);
        QTest::mouseClick(list.kDelName, Qt::LeftButton);
        QCOMPARE(lines(list.List1), QStringList({"A", "C"}));
        QCOMPARE(list.selectedIndex(), -1);
        QCOMPARE(list.picPhoto->pixel(5, 5), list.picPhoto->background());
        clickLine(list.List1, 1);
        showsStripedPhoto(*list.picPhoto, 40, 40);
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    QCOMPARE(P.PlayersLast, 1);
    QCOMPARE(P.Players[1].Name, QStringLiteral("C"));
    QCOMPARE(P.Players[1].Photo, QStringLiteral("c.png"));
    QCOMPARE(game.readFile(QStringLiteral("Igroki.ini")), playersFileOf({{"A", "a.png"}, {"C", "c.png"}}));
}

void PlayersTest::photosOfEveryFormatShowAtTheirOwnSize() {
    GameFixture game;
    struct Photo { const char* file; QSize size; };
    const Photo photos[] = {{"big.bmp", {300, 200}}, {"big.gif", {300, 200}}, {"big.jpg", {300, 200}},
                            {"big.png", {300, 200}}, {"small.png", {60, 60}}, {"small.gif", {30, 90}}, {"narrow.jpeg", {80, 300}}};
    std::vector<std::pair<QString, QString>> players;
    for (const Photo& photo : photos) {
        const QImage image = stripedPhoto(photo.size.width(), photo.size.height());
        if (QByteArray(photo.file).endsWith(".gif"))
            game.writeFile(QStringLiteral("Photo/") + photo.file, gifOf(image));
        else
            QVERIFY(image.save(game.folder() + "Photo/" + photo.file));
        players.push_back({QString::fromLatin1(photo.file).toUpper(), QString::fromLatin1(photo.file)});
    }
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf(players));
    game.start();
    inPlayersList([&](frmIgroki& list) {
        for (int i = 0; i < int(std::size(photos)); ++i) {
            clickLine(list.List1, i);
            showsStripedPhoto(*list.picPhoto, photos[i].size.width(), photos[i].size.height());
        }
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
}

void PlayersTest::aPhotoIsReadOnlyInsideItsFolderAndOnlyItsCornerOrShowsError() {
    GameFixture game;
    // A picture far beyond what may be decoded whole still shows its corner.
    QImageReader::setAllocationLimit(1);
    QVERIFY(stripedPhoto(1200, 1000).save(game.folder() + "Photo/huge.jpg"));
    QVERIFY(stripedPhoto(110, 140).save(game.folder() + "outside.png"));
    game.writeFile(QStringLiteral("Photo/notes.png"), "not a picture at all");
    // No picture, a missing one, none named, and names leading out of the photo folder: the error text.
    game.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{"A", "huge.jpg"}, {"B", "notes.png"}, {"C", "gone.png"},
                                                                {"D", ""}, {"E", "../outside.png"}, {"F", ".."}}));
    game.start();
    inPlayersList([](frmIgroki& list) {
        clickLine(list.List1, 0);
        showsStripedPhoto(*list.picPhoto, 1200, 1000);
        for (int line = 1; line < 6; ++line) {
            clickLine(list.List1, line);
            QVERIFY(showsText(*list.picPhoto));
            QCOMPARE(list.picPhoto->pixel(80, 100), list.picPhoto->background());
        }
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    QImageReader::setAllocationLimit(256);
    QVERIFY(game.messages.empty());
}

void PlayersTest::pipesInPlaceOfTheFilesAreNeverOpened() {
    GameFixture game;
    QDir(game.folder()).mkpath(QStringLiteral("Photo"));
    for (const char* name : {"Tavik.ini", "Igroki.ini", "Lidery.ini", "Photo/pipe.png"})
        QCOMPARE(mkfifo(QFile::encodeName(game.folder() + QLatin1String(name)).constData(), 0600), 0);
    game.start();  // nothing may wait for a writer that never comes
    QVERIFY(P.Players.empty());
    P.Players.push_back({QStringLiteral("pipe.png"), kMasha});
    P.PlayersLast = 0;
    inPlayersList([](frmIgroki& list) {
        clickLine(list.List1, 0);
        QVERIFY(showsText(*list.picPhoto));
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    SaveIgrokov();
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл Igroki.ini защищён от записи.")});
    QVERIFY(!QFileInfo(game.folder() + QStringLiteral("Igroki.ini")).isFile());
}

QTEST_MAIN(PlayersTest)
#include "test_players.moc"
