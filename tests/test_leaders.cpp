// The honour board: its scrambled file across restarts and the board window.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/CharTable.h"
#include "core/GameState.h"
#include "menu/Menu.h"
#include "players/LeadersFormat.h"
#include "players/PlayersState.h"
#include "players/PlayersStore.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/PlayersFiles.h"
#include "ui/Art.h"
#include "ui/PictureBox.h"
#include "ui/frmDoska.h"
#include "ui/frmForma.h"
#include "ui/frmIgroki.h"

namespace {
QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

// A leaders file written by hand: the entries' lines scrambled with the table of the seed.
QByteArray leadersFileOf(int seed, const QList<QByteArray>& plainLines) {
    const CharTable table = scrambleTable(seed);
    QByteArray bytes = "[tavik_lidery]\r\n " + QByteArray::number(seed) + " \r\n";
    for (const QByteArray& line : plainLines)
        bytes += translated(line, table) + "\r\n";
    return bytes;
}

void showTheBoard(std::function<void(frmDoska&)> step) {
    ModalScript script;
    script.then<frmDoska>(std::move(step));
    RunMenuItem(QStringLiteral("Доска почёта"));
    QVERIFY(script.finished());
}

bool isBlank(const PictureBox& box) {
    for (int y = 0; y < box.height(); y += 7)
        for (int x = 0; x < box.width(); x += 7)
            if (box.pixel(x, y) != kWhite)
                return false;
    return true;
}
}  // namespace

class LeadersTest : public QObject {
    Q_OBJECT
private slots:
    void oneEntryWritesSeventeenScrambledLines();
    void everySaveHasItsOwnSeedAndReadsBackTheSame();
    void namesWhoseScrambledLinesLookOddReadBackExactly();
    void damagedFilesStartWithWhatCanBeRead_data();
    void damagedFilesStartWithWhatCanBeRead();
    void anUnwritableFileIsReported();
    void theBoardShowsTheEntriesInTheirPlaces();
    void anEmptyPlaceEndsTheBoard();
    void thePlayersListOpensFromTheBoard();
};

void LeadersTest::oneEntryWritesSeventeenScrambledLines() {
    GameFixture game;
    game.start();
    P.Leaders[0] = {QStringLiteral("Маша"), QStringLiteral("masha.jpg"), 350};
    SaveLiderov();
    const QByteArray bytes = game.readFile(QStringLiteral("Lidery.ini"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = fileLines(bytes.chopped(2));
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0], QByteArray("[tavik_lidery]"));
    QVERIFY(lines[1].startsWith(' ') && lines[1].endsWith(' '));
    const int seed = lines[1].trimmed().toInt();
    QVERIFY(seed >= 1 && seed <= 3200000);
    const CharTable unscramble = inverted(scrambleTable(seed));
    QCOMPARE(translated(lines[2], unscramble), cp1251(QStringLiteral("Маша")));
    QCOMPARE(translated(lines[3], unscramble), QByteArray("masha.jpg"));
    QCOMPARE(translated(lines[4], unscramble), QByteArray(" 350"));
    for (int entry = 1; entry < 5; ++entry) {
        QCOMPARE(lines[2 + 3 * entry], QByteArray());
        QCOMPARE(lines[3 + 3 * entry], QByteArray());
        QCOMPARE(translated(lines[4 + 3 * entry], unscramble), QByteArray(" 0"));
    }
}

void LeadersTest::everySaveHasItsOwnSeedAndReadsBackTheSame() {
    QByteArray first, second;
    const LeaderBoard board{{{QStringLiteral("Ёлкин"), QStringLiteral("ёлка.png"), 900},
                             {QStringLiteral("Маша"), QStringLiteral("masha.jpg"), 350},
                             {QStringLiteral("Zed"), QStringLiteral("z.gif"), -4}}};
    {
        GameFixture game;
        game.start();
        P.Leaders = board;
        SaveLiderov();
        first = game.readFile(QStringLiteral("Lidery.ini"));
        QTest::qSleep(3);  // the seed comes from the time of day
        // A record entered during the run is written when the program closes.
        P.LeadersChanged = 1;
        game.window().close();
        second = game.readFile(QStringLiteral("Lidery.ini"));
    }
    QVERIFY(first != second);
    for (const QByteArray& bytes : {first, second}) {
        GameFixture restart;
        restart.writeFile(QStringLiteral("Lidery.ini"), bytes);
        restart.start();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(P.Leaders[i].Name, board[i].Name);
            QCOMPARE(P.Leaders[i].Photo, board[i].Photo);
            QCOMPARE(P.Leaders[i].Score, board[i].Score);
        }
        QCOMPARE(P.LeadersCharTable, inverted(scrambleTable(fileLines(bytes)[1].trimmed().toInt())));
    }
}

void LeadersTest::namesWhoseScrambledLinesLookOddReadBackExactly() {
    const int seed = 4242;
    const CharTable unscramble = inverted(scrambleTable(seed));
    // The plain characters that scramble into a blank, a comma and a double quote.
    QByteArray odd;
    for (const char scrambled : {' ', ' ', ',', '"'})
        odd += char(unscramble[uint8_t(scrambled)]);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Lidery.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(leadersFileOf(seed, {odd, "p.png", " 10", "\xC0 \"a, b\"", "", " 5"}));
    file.close();
    const LeadersRead read = readLeadersFile(file.fileName());
    QCOMPARE(cp1251(read.board[0].Name), odd);
    QCOMPARE(read.board[0].Score, 10);
    QCOMPARE(read.board[1].Name, QStringLiteral("А \"a, b\""));
    QCOMPARE(read.board[1].Score, 5);
}

void LeadersTest::damagedFilesStartWithWhatCanBeRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("scores");
    QTest::newRow("wrong magic") << QByteArray("[tavik_igroki]\r\n 5 \r\n") << QStringList() << QList<int>();
    QTest::newRow("seed no number") << QByteArray("[tavik_lidery]\r\n five\r\nabc\r\n") << QStringList()
                                     << QList<int>();
    QTest::newRow("lines run out") << leadersFileOf(77, {"Ann", "a.png"}) << QStringList{"Ann"} << QList<int>{0};
    QTest::newRow("score no number") << leadersFileOf(77, {"Ann", "a.png", "12kg", "Bob", "b.png", " 9 "})
                                      << QStringList{"Ann", "Bob"} << QList<int>{0, 9};
    QTest::newRow("score too large") << leadersFileOf(77, {"Ann", "", " 99999999999"}) << QStringList{"Ann"}
                                      << QList<int>{0};
    QTest::newRow("control bytes") << leadersFileOf(5, {QByteArray("A\x01\x7F\x98", 4), "", " 1"})
                                    << QStringList{QString::fromUtf8("A\x01\x7F")} << QList<int>{1};
    QTest::newRow("empty file") << QByteArray() << QStringList() << QList<int>();
}

void LeadersTest::damagedFilesStartWithWhatCanBeRead() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, scores);
    GameFixture game;
    game.writeFile(QStringLiteral("Lidery.ini"), file);
    game.start();
    for (int i = 0; i < 5; ++i) {
        QVERIFY(P.Leaders[i].Name.startsWith(names.value(i)));
        QCOMPARE(P.Leaders[i].Score, scores.value(i));
    }
    QVERIFY(game.messages.empty());
}

void LeadersTest::anUnwritableFileIsReported() {
    GameFixture game;
    game.start();
    QVERIFY(QDir(game.folder()).mkdir(QStringLiteral("Lidery.ini")));
    P.Leaders[0] = {QStringLiteral("Маша"), QString(), 5};
    P.LeadersChanged = 1;
    game.window().close();
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл Lidery.ini защищён от записи.")});
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    QVERIFY(!game.window().isVisible());  // closing goes on
    QCOMPARE(P.Leaders[0].Score, 5);
}

void LeadersTest::theBoardShowsTheEntriesInTheirPlaces() {
    GameFixture game;
    QVERIFY(stripedPhoto(300, 300).save(game.folder() + "Photo/masha.png"));
    game.start();
    P.Leaders[0] = {QStringLiteral("Маша"), QStringLiteral("masha.png"), 350};
    P.Leaders[1] = {QStringLiteral("Петя"), QStringLiteral("gone.png"), 120};
    showTheBoard([](frmDoska& board) {
        QCOMPARE(board.windowTitle(), QStringLiteral("Доска почёта"));
        QCOMPARE(board.size(), QSize(622, 347));
        QCOMPARE(board.lblName[0]->text(), QStringLiteral("Маша"));
        QCOMPARE(board.lblKG[0]->text(), QStringLiteral("350Кг"));
        QCOMPARE(board.lblName[1]->text(), QStringLiteral("Петя"));
        QCOMPARE(board.lblKG[1]->text(), QStringLiteral("120Кг"));
        QVERIFY(nearColour(board.picPhoto[0]->pixel(105, 5), qRgb(0, 0, 255)));
        QVERIFY(nearColour(board.picPhoto[0]->pixel(5, 135), qRgb(0, 0, 0)));
        QVERIFY(!isBlank(*board.picPhoto[1]));  // "Ошибка" for a missing photo
        QCOMPARE(board.picPhoto[1]->pixel(60, 100), kWhite);
        for (int place = 2; place < 5; ++place) {
            QVERIFY(isBlank(*board.picPhoto[place]));
            QCOMPARE(board.lblName[place]->text(), QString());
            QCOMPARE(board.lblKG[place]->text(), QString());
            QCOMPARE(board.picPhoto[place]->geometry(), QRect(16 + 120 * place, 56, 110, 140));
        }
        // The white board with its black frame and a pin in every corner.
        QCOMPARE(board.board->pixel(8, 150), kBlack);
        QCOMPARE(board.board->pixel(613, 150), kBlack);
        QCOMPARE(board.board->pixel(300, 298), kBlack);
        QCOMPARE(board.board->pixel(9, 150), kWhite);
        QCOMPARE(board.board->pixel(300, 297), kWhite);
        QCOMPARE(board.board->pixel(300, 320), kButtonFace);
        const QImage pin = artImage(QStringLiteral("knopka"));
        for (const QPoint at : {QPoint(16, 16), QPoint(585, 16), QPoint(16, 270), QPoint(585, 270)})
            for (const QPoint inPin : {QPoint(2, 3), QPoint(10, 10), QPoint(15, 6)})
                QCOMPARE(board.grab().toImage().pixel(at + inPin) & 0xFFFFFFu, pin.pixel(inPin) & 0xFFFFFFu);
        QTest::keyClick(&board, Qt::Key_Return);
        QVERIFY(!board.isVisible());
    });
}

void LeadersTest::anEmptyPlaceEndsTheBoard() {
    GameFixture game;
    game.start();
    P.Leaders[0] = {QStringLiteral("A"), QString(), 30};
    P.Leaders[2] = {QStringLiteral("C"), QString(), 10};
    showTheBoard([](frmDoska& board) {
        QCOMPARE(board.lblName[0]->text(), QStringLiteral("A"));
        QCOMPARE(board.lblName[2]->text(), QString());
        QVERIFY(isBlank(*board.picPhoto[2]));
        QTest::mouseClick(board.kClose, Qt::LeftButton);
    });
}

void LeadersTest::thePlayersListOpensFromTheBoard() {
    GameFixture game;
    game.start();
    P.CurrentPlayer = -1;
    ModalScript script;
    script.then<frmDoska>([](frmDoska& board) {
        QTest::mouseClick(board.kIgroki, Qt::LeftButton);
        QTest::mouseClick(board.kClose, Qt::LeftButton);
    });
    script.then<frmIgroki>([](frmIgroki& list) {
        QVERIFY(!list.kOK->isVisible());
        QTest::mouseClick(list.kClose, Qt::LeftButton);
    });
    RunMenuItem(QStringLiteral("Доска почёта"));
    QVERIFY(script.finished());
    QCOMPARE(P.CurrentPlayer, 0);
}

QTEST_MAIN(LeadersTest)
#include "test_leaders.moc"
