// A field without a joinable pair: announced at once, reshuffled for a unit or ending the game; and
// the hint that rings the solver's next pair.
#include <QKeyEvent>
#include <QTest>
#include <algorithm>

#include "core/FieldDisplay.h"
#include "core/FieldFileFormat.h"
#include "core/GameState.h"
#include "core/TextFile.h"
#include "menu/SavedGame.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/Hint.h"
#include "play/RobotRun.h"
#include "play/Tractor.h"
#include "solver/Solver.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"

namespace {
const QString kStuck = QStringLiteral("Ходов больше нет.");
const QString kOffer = kStuck + QStringLiteral(" Перемешать оставшиеся посадки за одно деление аккумулятора?");
const QString kOver = QStringLiteral("Игра окончена!");
const QString kLost = QStringLiteral("Поле уже не убрать целиком.");
const QString kBaitField = QStringLiteral(KELVARY_BUNDLED_FIELDS "/34 Домик.tvk");
constexpr Rgb kHintRing = 0xFFFF00;
// Crossed pairs in the corner with no free bed beside them, and a fence.
const std::vector<CellRecord> kCornerLock = {{0, 0, 5}, {1, 0, 6}, {0, 1, 6}, {1, 1, 5}, {5, 5, 1}};
// Two crops fenced in one by one: no deal can join them.
const std::vector<CellRecord> kWalledIn = {{0, 0, 5}, {1, 0, 1}, {2, 0, 5}, {0, 1, 1}, {2, 1, 1}, {3, 0, 1}};
const std::vector<CellRecord> kFreePair = {{8, 8, 7}, {9, 8, 7}};

void layOut(const std::vector<CellRecord>& records, bool byTractor = false) {
    G.GameMode = Mode::Playing;
    G.NoTractor = byTractor ? 0 : 1;
    G.ShuffleKinds = 0;
    ShowPole(records, kForPlay);
    while (forma().tmrTrakrtor.isEnabled())
        Traktor();
}

// Sent as the window sends it: QTest's key clicks take Latin keys only.
void key(int k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(forma().picPole.box(), &press);
}

void harvest(int fromCol, int fromRow, int toCol, int toRow) {
    KursorKvadrat(fromCol, fromRow);
    key(Qt::Key_Return);
    KursorKvadrat(toCol, toRow);
    key(Qt::Key_Return);
    for (int tick = 0; tick < 1000 && forma().TimerRobot.isEnabled(); ++tick)
        TimerDvigenieRobota();
    for (int tick = 0; tick < 10 && forma().TimerAkamulyator.isEnabled(); ++tick)
        TimerAkamulyatorLampa();
}

// Each bed as a fence, empty or some crop, and the crops' kinds in order.
std::pair<FieldGrid, std::vector<int>> shapeAndKinds(FieldGrid grid) {
    std::vector<int> kinds;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid(col, row) >= kFirstCrop)
                kinds.push_back(std::exchange(grid(col, row), kFirstCrop));
    std::sort(kinds.begin(), kinds.end());
    return {grid, kinds};
}

bool ringed(int col, int row, Rgb colour) {
    return forma().picPole.pixel(cellX(col) + 1, cellY(row) + 1) == colour &&
           forma().picPole.pixel(cellX(col) + kCellWidth - 2, cellY(row) + kCellHeight - 2) == colour;
}
}  // namespace

enum class Moment { AfterARun, LevelSown, AfterALoad };

class DeadEndTest : public QObject {
    Q_OBJECT
private slots:
    void aDeadEndIsAnnouncedAtOnce_data() {
        QTest::addColumn<Moment>("moment");
        QTest::addColumn<bool>("walledIn");
        QTest::addColumn<int>("charge");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("after a run") << Moment::AfterARun << false << 5 << QStringList{kOffer};
        QTest::newRow("the tractor sowed it") << Moment::LevelSown << false << 5 << QStringList{kOffer};
        QTest::newRow("a game loaded") << Moment::AfterALoad << false << 5 << QStringList{kOffer};
        QTest::newRow("declined") << Moment::AfterARun << false << 5 << QStringList{kOffer, kOver};
        QTest::newRow("one unit") << Moment::AfterARun << false << 1 << QStringList{kStuck, kOver};
        QTest::newRow("walled in") << Moment::AfterARun << true << 5 << QStringList{kStuck, kOver};
    }
    void aDeadEndIsAnnouncedAtOnce() {
        QFETCH(Moment, moment);
        QFETCH(bool, walledIn);
        QFETCH(int, charge);
        QFETCH(QStringList, told);
        GameFixture game;
        game.start();
        std::vector<CellRecord> field = walledIn ? kWalledIn : kCornerLock;
        if (moment == Moment::AfterARun)
            field.insert(field.end(), kFreePair.begin(), kFreePair.end());
        G.BatteryCharge = charge;
        if (told.front() == kOffer)  // taken, unless the game ends
            game.answerNext(told.size() == 1 ? MsgAnswer::Yes : MsgAnswer::No);
        layOut(field, moment == Moment::LevelSown);  // the tractor's end asks at once
        if (moment == Moment::AfterALoad) {
            WriteGameFile(game.folder() + "stuck.tgm");
            ModalScript dialogs;
            dialogs.answerFile(game.folder() + "stuck.tgm");
            OpenGame();
        }
        harvest(8, 8, 9, 8);  // the free pair, where there is one; the lamp blinks out in any case
        QCOMPARE(game.messageTexts().mid(0, told.size()), told);  // the record question may follow
        QCOMPARE(game.messages.front().icon, told.front() == kOffer ? MsgIcon::Warning : MsgIcon::Information);
        QCOMPARE(G.GameMode, told.size() == 1 ? Mode::Playing : Mode::Over);
        if (told.size() > 1)
            return;
        QCOMPARE(game.messages.front().defaultAnswer, MsgAnswer::Yes);
        FieldGrid stuck;
        for (const CellRecord& cell : kCornerLock)
            stuck(cell.Col, cell.Row) = cell.Sign;
        QVERIFY(shapeAndKinds(G.FieldGrid) == shapeAndKinds(stuck));
        QCOMPARE(solveField(G.FieldGrid, std::chrono::seconds(1)).verdict, Verdict::Harvestable);
        QVERIFY(cellShows(0, 0, G.FieldGrid(0, 0)) && cellShows(1, 1, G.FieldGrid(1, 1)));
        QVERIFY(lampSpent(kBatteryCapacity - 1) && lampLit(kBatteryCapacity - 2));
    }

    // The corner lock is lost already: the hint says so first, then rings the longest harvest's pair.
    void aHintRingsThePairForAUnitEvenOnALostFieldAndIsRefusedAtOne() {
        GameFixture game;
        game.start();
        std::vector<CellRecord> field = kCornerLock;
        field.insert(field.end(), {{2, 3, 9}, {7, 3, 9}, {0, 9, 12}, {1, 9, 12}});
        layOut(field);
        KursorKvadrat(0, 9);
        key(Qt::Key_Return);  // a first pick, which the hint drops
        key(Qt::Key_H);
        QCOMPARE(game.messageTexts(), QStringList{kLost});
        QVERIFY(ringed(2, 3, kHintRing) && ringed(7, 3, kHintRing));
        QCOMPARE(QPoint(G.CursorCol, G.CursorRow), QPoint(2, 3));
        QCOMPARE(G.PickCol, -1);
        QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
        QVERIFY(forma().TimerAkamulyator.isEnabled() && forma().tmrPodskazka.isEnabled());
        key(Qt::Key_Return);  // the next input takes the rings, and Enter picks the hinted bed
        QVERIFY(ringed(2, 3, kGreen) && ringed(7, 3, forma().picPole.backColour()));
        QCOMPARE(G.PickCol, 2);
        key(0x0420);  // the same key under a Russian layout
        QVERIFY(ringed(7, 3, kHintRing));
        tmrPodskazka_Timer();
        QVERIFY(ringed(2, 3, kGreen) && ringed(7, 3, forma().picPole.backColour()));
        QCOMPARE(G.BatteryCharge, kBatteryCapacity - 2);
        G.BatteryCharge = 1;
        key(Qt::Key_H);
        QCOMPARE(game.messageTexts().last(), QStringLiteral("Подсказки нет: аккумулятор почти разряжен."));
        QCOMPARE(G.BatteryCharge, 1);
        QVERIFY(!ringed(7, 3, kHintRing));
    }

    // The pick, the hint's rings and its route show at a glance, a second H spends nothing, and
    // when they go the beds are whole again; a pick on one of the pair outlasts the hint.
    void aPickAndAHintShowAtAGlanceAndGoWithoutATrace_data() {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("pick");
        QTest::addColumn<QPoint>("crossed");  // a cell the route crosses
        QTest::addColumn<bool>("kept");
        QTest::newRow("straight, picked on the pair") << QPoint(7, 3) << QPoint(7, 3) << QPoint(4, 3) << true;
        QTest::newRow("two turns, picked elsewhere") << QPoint(5, 6) << QPoint(0, 0) << QPoint(4, 2) << false;
    }
    void aPickAndAHintShowAtAGlanceAndGoWithoutATrace() {
        QFETCH(QPoint, to);
        QFETCH(QPoint, pick);
        QFETCH(QPoint, crossed);
        QFETCH(bool, kept);
        GameFixture game;
        game.start();
        std::vector<CellRecord> field = kWalledIn;
        field.insert(field.end(), {{2, 3, 9}, {to.x(), to.y(), 9}});
        layOut(field);
        const Surface& pole = forma().picPole;
        KursorKvadrat(2, 3);
        const QImage plain = onScreen(pole);
        KursorKvadrat(pick.x(), pick.y());
        key(Qt::Key_Return);
        QVERIFY(flagged(pick.x(), pick.y(), G.CurrentSign));
        QCOMPARE(pole.pixel(cellX(pick.x()) + 3, cellY(pick.y()) + 12), kWhite);  // the ring over the rim
        KursorKvadrat(2, 3);
        const QImage picked = onScreen(pole);
        key(Qt::Key_H);
        const int32_t charge = G.BatteryCharge;
        for (const QPoint bed : {QPoint(2, 3), to})
            for (const int inset : {0, 1})
                QCOMPARE(pole.pixel(cellX(bed.x()) + inset, cellY(bed.y()) + 20), kHintRing);
        const int x = cellX(crossed.x()) + kCellWidth / 2, y = cellY(crossed.y()) + kCellHeight / 2;
        for (const QPoint across : {QPoint(1, 1), QPoint(-1, -1)})
            QCOMPARE(pole.pixel(x + across.x(), y + across.y()), kHintRing);
        QVERIFY(pole.pixel(x + 2, y + 2) != kHintRing && pole.pixel(x + 2, y + 2) != pole.backColour());
        QCOMPARE(G.PickCol, kept ? pick.x() : -1);
        const QImage hinted = onScreen(pole);
        key(Qt::Key_H);
        QCOMPARE(G.BatteryCharge, charge);
        QCOMPARE(onScreen(pole), hinted);
        tmrPodskazka_Timer();
        QCOMPARE(onScreen(pole), kept ? picked : plain);
    }

    // A field built so that almost every order locks it: hints alone harvest it to the last pair.
    void hintsAloneClearTheBaitField() {
        GameFixture game;
        game.start();
        const std::optional<FieldFile> bait =
            parseFieldFile(readTextLines(kBaitField).lines);
        QVERIFY(bait);
        layOut(bait->records);
        const int pairs = G.PictureCount / 2;
        for (int step = 0; step < pairs && G.GameMode == Mode::Playing; ++step) {
            G.BatteryCharge = kBatteryCapacity;
            key(Qt::Key_H);
            QVERIFY(G.HintRings);
            harvest(G.HintRings->fromCol, G.HintRings->fromRow, G.HintRings->toCol, G.HintRings->toRow);
        }
        QCOMPARE(G.Harvest, pairs);
        QVERIFY(!game.messageTexts().contains(kLost) && !game.messageTexts().contains(kOffer));
    }
};

QTEST_MAIN(DeadEndTest)
#include "test_deadend.moc"
