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
#include "play/Route.h"
#include "play/Tractor.h"
#include "solver/Solver.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"

namespace {
const QString kBaitField = QStringLiteral(KELVARY_BUNDLED_FIELDS "/30-ochered.tvk");
const QString kStuck = QStringLiteral("Ходов больше нет.");
const QString kOffer = QStringLiteral("Ходов больше нет. Перемешать оставшиеся посадки за одно деление аккумулятора?");
const QString kOver = QStringLiteral("Игра окончена!");
const QString kLost = QStringLiteral("Поле уже не убрать целиком.");
constexpr Rgb kHintRing = 0xFFFF00;

// Crossed pairs in the corner, none with a free bed beside it; a fence; a free pair of 7.
const std::vector<CellRecord> kCornerLock = {{0, 0, 5}, {1, 0, 6}, {0, 1, 6}, {1, 1, 5}, {5, 5, 1}};
const std::vector<CellRecord> kFreePair = {{8, 8, 7}, {9, 8, 7}};
// Two crops each walled in by fences: no deal can join them.
const std::vector<CellRecord> kWalledIn = {{0, 0, 5}, {1, 0, 1}, {2, 0, 5}, {0, 1, 1}, {2, 1, 1}, {3, 0, 1}};

std::vector<CellRecord> operator+(std::vector<CellRecord> a, const std::vector<CellRecord>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void layOut(const std::vector<CellRecord>& records, bool byTractor = false) {
    G.GameMode = Mode::Playing;
    G.NoTractor = byTractor ? 0 : 1;
    G.ShuffleKinds = 0;
    G.BatteryCharge = kBatteryCapacity;
    ShowPole(records, kForPlay);
    while (forma().tmrTrakrtor.isEnabled())
        Traktor();
}

// Sent as the window would: QTest's own clicks take Latin keys only.
void key(int k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(forma().picPole.box(), &press);
}

void runToRest() {
    for (int tick = 0; tick < 1000 && forma().TimerRobot.isEnabled(); ++tick)
        TimerDvigenieRobota();
    for (int tick = 0; tick < 10 && forma().TimerAkamulyator.isEnabled(); ++tick)
        TimerAkamulyatorLampa();
}

void harvest(int fromCol, int fromRow, int toCol, int toRow) {
    KursorKvadrat(fromCol, fromRow);
    key(Qt::Key_Return);
    KursorKvadrat(toCol, toRow);
    key(Qt::Key_Return);
    runToRest();
}

// Fences and empty beds as they were, every crop a 2; and the kinds in order.
FieldGrid shapeOf(FieldGrid grid) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            grid(col, row) = std::min(grid(col, row), kFirstCrop);
    return grid;
}
std::vector<int> kindsOf(const FieldGrid& grid) {
    std::vector<int> kinds;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid(col, row) >= kFirstCrop)
                kinds.push_back(grid(col, row));
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

bool ringed(int col, int row, Rgb colour) {
    const Surface& field = forma().picPole;
    return field.pixel(cellX(col) + 1, cellY(row) + 1) == colour &&
           field.pixel(cellX(col) + kCellWidth - 2, cellY(row) + kCellHeight - 2) == colour;
}
}  // namespace

class DeadEndTest : public QObject {
    Q_OBJECT
private slots:
    void aDeadEndIsAnnouncedAndReshuffledOrEndsTheGame_data();
    void aDeadEndIsAnnouncedAndReshuffledOrEndsTheGame();
    void withoutAWayOutTheGameEndsAfterTheNotice_data();
    void withoutAWayOutTheGameEndsAfterTheNotice();
    void aHintRingsThePairForAUnitAndIsRefusedAtOne();
    void hintsAloneClearTheBaitField();
    void onALostFieldTheHintSaysSoAndStillHelps();
};

enum class Moment { AfterARun, LevelLaidOut, AfterALoad };

void DeadEndTest::aDeadEndIsAnnouncedAndReshuffledOrEndsTheGame_data() {
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<bool>("yes");
    QTest::newRow("after a run") << Moment::AfterARun << true;
    QTest::newRow("the tractor has sown the level") << Moment::LevelLaidOut << true;
    QTest::newRow("a saved game loaded") << Moment::AfterALoad << true;
    QTest::newRow("declined") << Moment::AfterARun << false;
}

void DeadEndTest::aDeadEndIsAnnouncedAndReshuffledOrEndsTheGame() {
    QFETCH(Moment, moment);
    QFETCH(bool, yes);
    GameFixture game;
    game.start();
    if (moment == Moment::AfterARun) {
        layOut(kCornerLock + kFreePair);
        game.answerNext(yes ? MsgAnswer::Yes : MsgAnswer::No);
        harvest(8, 8, 9, 8);
    } else if (moment == Moment::LevelLaidOut) {
        game.answerNext(MsgAnswer::Yes);
        layOut(kCornerLock, true);
    } else {
        layOut(kCornerLock);
        WriteGameFile(game.folder() + "stuck.tgm");
        QVERIFY(game.messages.empty());
        ModalScript dialogs;
        dialogs.answerFile(game.folder() + "stuck.tgm");
        game.answerNext(MsgAnswer::Yes);
        OpenGame();
    }
    runToRest();
    QVERIFY(!game.messages.empty());
    QCOMPARE(game.messages.front().text, kOffer);
    QCOMPARE(game.messages.front().icon, MsgIcon::Warning);
    QCOMPARE(game.messages.front().defaultAnswer, MsgAnswer::Yes);
    if (!yes) {
        QCOMPARE(game.messageTexts().mid(0, 2), (QStringList{kOffer, kOver}));  // then the record question
        QCOMPARE(G.GameMode, Mode::Over);
        return;
    }
    QCOMPARE(game.messageTexts(), QStringList{kOffer});
    FieldGrid before;
    for (const CellRecord& cell : kCornerLock)
        before(cell.Col, cell.Row) = cell.Sign;
    QCOMPARE(shapeOf(G.FieldGrid), shapeOf(before));
    QCOMPARE(kindsOf(G.FieldGrid), kindsOf(before));
    QCOMPARE(solveField(G.FieldGrid, std::chrono::seconds(1)).verdict, Verdict::Harvestable);
    for (const CellRecord& cell : kCornerLock)
        QVERIFY(cell.Sign == kFence || cellShows(cell.Col, cell.Row, G.FieldGrid(cell.Col, cell.Row)));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
    QVERIFY(lampSpent(kBatteryCapacity - 1) && lampLit(kBatteryCapacity - 2));
    QCOMPARE(G.GameMode, Mode::Playing);
}

void DeadEndTest::withoutAWayOutTheGameEndsAfterTheNotice_data() {
    QTest::addColumn<bool>("walledIn");
    QTest::newRow("one unit left") << false;
    QTest::newRow("no deal joins a pair") << true;
}

void DeadEndTest::withoutAWayOutTheGameEndsAfterTheNotice() {
    QFETCH(bool, walledIn);
    GameFixture game;
    game.start();
    layOut((walledIn ? kWalledIn : kCornerLock) + kFreePair);
    if (!walledIn)
        G.BatteryCharge = 1;
    harvest(8, 8, 9, 8);
    QCOMPARE(game.messageTexts().mid(0, 2), (QStringList{kStuck, kOver}));  // then the record question
    QCOMPARE(game.messages.front().icon, MsgIcon::Information);
    QCOMPARE(G.GameMode, Mode::Over);
}

void DeadEndTest::aHintRingsThePairForAUnitAndIsRefusedAtOne() {
    GameFixture game;
    game.start();
    layOut({{2, 3, 9}, {7, 3, 9}, {0, 9, 12}, {1, 9, 12}});
    KursorKvadrat(0, 9);
    key(Qt::Key_Return);  // a first pick, which the hint drops
    key(Qt::Key_H);
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
    QVERIFY(game.messages.empty());

    G.BatteryCharge = 1;
    key(Qt::Key_H);
    QCOMPARE(game.messageTexts(), QStringList{"Подсказки нет: аккумулятор почти разряжен."});
    QCOMPARE(G.BatteryCharge, 1);
    QVERIFY(!ringed(7, 3, kHintRing));
}

// A field built so that almost every order locks it: hints alone harvest it to the last pair.
void DeadEndTest::hintsAloneClearTheBaitField() {
    GameFixture game;
    game.start();
    const std::optional<FieldFile> field = parseFieldFile(readTextLines(kBaitField).lines);
    QVERIFY(field);
    layOut(field->records);
    const int pairs = G.PictureCount / 2;
    for (int step = 0; step < pairs && G.GameMode == Mode::Playing; ++step) {
        G.BatteryCharge = kBatteryCapacity;
        key(Qt::Key_H);
        QVERIFY(G.HintRings);
        const BedPair pair = *G.HintRings;
        key(Qt::Key_Return);
        KursorKvadrat(pair.toCol, pair.toRow);
        key(Qt::Key_Return);
        runToRest();
    }
    QCOMPARE(G.Harvest, pairs);
    QVERIFY(!game.messageTexts().contains(kLost) && !game.messageTexts().contains(kOffer));
}

void DeadEndTest::onALostFieldTheHintSaysSoAndStillHelps() {
    GameFixture game;
    game.start();
    layOut(kCornerLock + kFreePair);
    key(Qt::Key_H);
    QCOMPARE(game.messageTexts(), QStringList{kLost});
    QVERIFY(ringed(8, 8, kHintRing) && ringed(9, 8, kHintRing));
    QCOMPARE(G.BatteryCharge, kBatteryCapacity - 1);
}

QTEST_MAIN(DeadEndTest)
#include "test_deadend.moc"
