// The seeded random-input soak: the real main window with real timers, played for a while by a
// player who clicks, drags and types at random, answers every window at random, deletes files and
// write-protects folders, but mostly plays: joinable pairs often, wrong pairs now and then, pairs
// sown in the editor. After every input event and every timer tick the invariants below must hold.
//
//   test_soak [seconds [seed]]     or KELVARY_SOAK_SECONDS, KELVARY_SOAK_SEED; 60 s by default.
//   KELVARY_SOAK_TRACE=1 prints every input and answer as it happens, not only the last ones on a failure.
//
// The seed is printed first; running again with it makes the same choices (the timers' timing, and
// so the exact interleaving, can differ).
#include <QDir>
#include <QListWidget>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>

#include "core/FieldFileFormat.h"
#include "core/GameState.h"
#include "core/Rules.h"
#include "core/SettingsFormat.h"
#include "core/TextFile.h"
#include "menu/Menu.h"
#include "menu/SavedGameFormat.h"
#include "play/Route.h"
#include "play/FieldInput.h"
#include "players/PlayersState.h"
#include "support/EventWatch.h"
#include "support/FieldShot.h"
#include "support/FileWatch.h"
#include "support/GameFixture.h"
#include "support/Pixels.h"
#include "support/PlayersFiles.h"
#include "support/RandomAnswers.h"
#include "ui/Forma.h"
#include "ui/frmForma.h"
#include "ui/frmIgroki.h"

namespace {
std::mt19937 dice;
int below(int n) { return n <= 0 ? 0 : int(dice() % unsigned(n)); }
bool chance(int percent) { return below(100) < percent; }

GameFixture* game;
RandomAnswers* answers;
FileWatch* files;
QElapsedTimer stopwatch;
std::deque<QString> trace;  // the last inputs and answers, printed on a failure
QString failure;
const bool printTrace = qEnvironmentVariableIntValue("KELVARY_SOAK_TRACE") == 1;  // all of it, as it happens
long events = 0, checks = 0, levelsFinished = 0, gamesEnded = 0, restarts = 0, records = 0;
LeaderBoard lastBoard;
Mode lastMode = Mode::NothingBegun;
int lastLevel = 0, lastCharge = kBatteryCapacity;
QPoint lastPick(-1, 0);      // the first pick as the last check saw it
bool lastNoRoute = false;    // the "no route" sign as the last check saw it

void note(const QString& what) {
    trace.push_back(QStringLiteral("%1 ms  %2").arg(stopwatch.elapsed(), 7).arg(what));
    if (printTrace)
        std::printf("  %s\n", qPrintable(trace.back()));
    if (trace.size() > 80)
        trace.pop_front();
}

frmForma& window() { return game->window(); }
bool windowOpen() { return window().isVisible(); }
bool running(const Timer& timer) { return timer.isEnabled(); }
bool runUnderway() { return running(forma().TimerRobot); }
bool tractorUnderway() { return running(forma().tmrTrakrtor); }

// ---- the invariants: each says what is wrong, or nothing -----------------------------------------

int cropsOnField() {
    int crops = 0;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            crops += G.FieldGrid(col, row) >= kFirstCrop;
    return crops;
}

QString pictureCount() {
    if (G.GameMode != Mode::Playing || runUnderway() || G.PictureCount == cropsOnField())
        return {};
    return QStringLiteral("PictureCount %1 with %2 crops on the field").arg(G.PictureCount).arg(cropsOnField());
}

// A flag only on the first pick, on the target of a run, or in the editor on a crop it found unpaired.
bool flagAllowed(int col, int row, int sign) {
    if (sign < kFirstCrop)
        return false;
    if (G.GameMode == Mode::Sowing)
        return true;
    return (G.PickCol == col && G.PickRow == row && G.CurrentSign == sign) ||
           (runUnderway() && G.TargetCol == col && G.TargetRow == row);
}

// While the hint shows, its route runs over the beds between its pair's middles.
bool underTheHint(int col, int row) {
    const int x = cellX(col) + kCellWidth / 2, y = cellY(row) + kCellHeight / 2;
    const std::vector<PathPoint>& route = G.HintRoute;
    for (size_t i = 0; i + 1 < route.size(); ++i)
        if (std::min(route[i].X, route[i + 1].X) <= x && x <= std::max(route[i].X, route[i + 1].X) &&
            std::min(route[i].Y, route[i + 1].Y) <= y && y <= std::max(route[i].Y, route[i + 1].Y))
            return true;
    return false;
}

QString bedsAsDrawn() {
    const FieldShot shot;
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            // The tractor has sown the beds up to its own, row by row; the others still show nothing.
            const bool sown = !tractorUnderway() || row < G.PickRow || (row == G.PickRow && col <= G.PickCol);
            const int sign = sown ? G.FieldGrid(col, row) : kEmpty;
            const FieldShot::Bed bed = shot.bed(col, row, sign);
            if (bed == FieldShot::Bed::Empty || bed == FieldShot::Bed::Picture || underTheHint(col, row) ||
                (bed == FieldShot::Bed::Flagged && flagAllowed(col, row, sign)))
                continue;
            return QStringLiteral("bed (%1, %2) with code %3 shows %4")
                .arg(col).arg(row).arg(sign)
                .arg(bed == FieldShot::Bed::Flagged ? QStringLiteral("a flag nobody set") : QStringLiteral("something else"));
        }
    }
    return {};
}

// Wrong picks do not make the field busy, so a blinking lamp alone may go with Busy 0.
QString busy() {
    const bool activity = runUnderway() || tractorUnderway() || running(forma().TimerAkamulyator);
    if ((G.Busy == FieldLock::Busy && !activity) || ((runUnderway() || tractorUnderway()) && G.Busy != FieldLock::Busy))
        return QStringLiteral("Busy %1 with robot %2, tractor %3, lamp %4")
            .arg(int(G.Busy)).arg(runUnderway()).arg(tractorUnderway()).arg(running(forma().TimerAkamulyator));
    return {};
}

QString harvestPanel() {
    Forma& f = forma();
    const QString digits = QString::number(G.Harvest);
    // Five digits fit the panel whole; a sixth and seventh would stand partly outside it.
    for (int i = 1; G.Harvest != 0 && i <= std::min<int>(5, int(digits.size())); ++i) {
        const int digit = digits.at(digits.size() - i).digitValue();
        if (!showsSheet(f.picKG, 143 - 24 * i, 28, f.picKG2, 18 * digit, 0, 18, 29))
            return QStringLiteral("the harvest panel does not show %1 (digit %2)").arg(G.Harvest).arg(i);
    }
    return {};
}

QString batteryNeverRises() {
    const bool refilled = G.LevelNumber != lastLevel || answers->gameBegun;
    if (G.BatteryCharge > lastCharge && !refilled)
        return QStringLiteral("BatteryCharge went up from %1 to %2 on level %3").arg(lastCharge).arg(G.BatteryCharge).arg(G.LevelNumber);
    return {};
}

// A pick that just cost a unit and showed the "no route" sign: the first pick before it and its
// target must be a pair the robot cannot join.
QString noRouteOnlyWhereNone() {
    Forma& f = forma();
    const bool judged = G.BatteryCharge == lastCharge - 1 && f.picKirpich.isVisible() && !lastNoRoute && !f.picOchki.isVisible();
    if (!judged || lastPick.x() < 0 || lastPick == QPoint(G.TargetCol, G.TargetRow))
        return {};
    const int sign = G.FieldGrid(lastPick.x(), lastPick.y());
    if (sign < kFirstCrop || sign != G.FieldGrid(G.TargetCol, G.TargetRow) ||
        routeBetween(G.FieldGrid, lastPick.x(), lastPick.y(), G.TargetCol, G.TargetRow).empty())
        return {};
    return QStringLiteral("(%1, %2) and (%3, %4) of %5 were judged without a route")
        .arg(lastPick.x()).arg(lastPick.y()).arg(G.TargetCol).arg(G.TargetRow).arg(sign);
}

// Once the blinking is over, exactly the lamps of the units left are lit.
QString lampsShowTheCharge() {
    if ((G.GameMode != Mode::Playing && G.GameMode != Mode::Over) || running(forma().TimerAkamulyator))
        return {};
    for (int unit = 0; unit < kBatteryCapacity; ++unit)
        if (lampLit(unit) != (unit < G.BatteryCharge))
            return QStringLiteral("lamp %1 %2 with charge %3").arg(unit).arg(lampLit(unit) ? "lit" : "dark").arg(G.BatteryCharge);
    return {};
}

QString batteryNotBelowZero() {
    return G.BatteryCharge < 0 ? QStringLiteral("BatteryCharge %1").arg(G.BatteryCharge) : QString();
}

// The players list shows the players the game holds, and so the file, which must read back to them.
QString playersListAsHeld() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* list = qobject_cast<frmIgroki*>(widget);
        if (!list || !list->isVisible())
            continue;
        QStringList shown, held;
        for (int i = 0; i < list->List1->count(); ++i)
            shown << list->List1->item(i)->text();
        for (int i = 0; i <= P.PlayersLast; ++i)
            held << P.Players[size_t(i)].Name;
        if (shown != held)
            return QStringLiteral("the list shows \"%1\" for \"%2\"").arg(shown.join(u','), held.join(u','));
    }
    return {};
}

// A window may open a box or a dialog of its own, but no window or box of one kind opens over another.
QString oneModalOfAKind() {
    QStringList open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->isModal()) {
            const QString kind = QString::fromLatin1(widget->metaObject()->className());
            if (open.contains(kind))
                return QStringLiteral("two %1 open at once").arg(kind);
            open << kind;
        }
    return {};
}

QString stillAfterTheEnd() {
    Forma& f = forma();
    if (G.GameMode == Mode::Over && (running(f.TimerRobot) || running(f.tmrTrakrtor) || running(f.TimerAkamulyator)))
        return QStringLiteral("GameMode 3 with robot %1, tractor %2, lamp %3")
            .arg(running(f.TimerRobot)).arg(running(f.tmrTrakrtor)).arg(running(f.TimerAkamulyator));
    return {};
}

// The beds a file lists, laid out, to be held against the field on the screen.
FieldGrid gridOf(const std::vector<CellRecord>& cells) {
    FieldGrid grid;
    for (const CellRecord& cell : cells)
        grid(cell.Col, cell.Row) = cell.Sign;
    return grid;
}

// What the file says differs from what the game meant to write, or it does not read at all.
QString readsBack(const QString& path) {
    const QList<QByteArray> lines = readTextLines(path).lines;
    const QString name = QFileInfo(path).fileName();
    if (name.endsWith(QStringLiteral(".tvk"))) {
        const std::optional<FieldFile> field = parseFieldFile(lines);
        if (!field)
            return QStringLiteral("does not read");
        return !(gridOf(field->records) == G.FieldGrid) || field->shuffleKinds != G.ShuffleKinds ? QStringLiteral("holds another field") : QString();
    }
    if (name.endsWith(QStringLiteral(".tgm"))) {
        const std::optional<SavedGame> saved = parseSavedGame(lines);
        if (!saved)
            return QStringLiteral("does not read");
        const bool same = saved->LevelNumber == G.LevelNumber && saved->Harvest == G.Harvest && saved->BatteryCharge == G.BatteryCharge &&
                          saved->FirstFieldName == G.FirstFieldName && saved->PlayedFields == G.PlayedFields && gridOf(saved->Cells) == G.FieldGrid;
        return same ? QString() : QStringLiteral("holds another game (first field \"%1\")").arg(saved->FirstFieldName);
    }
    if (name == QStringLiteral("Igroki.ini")) {
        const PlayersList list = parsePlayersFile(lines);
        bool same = list.PlayersLast == P.PlayersLast || P.PlayersChanged != 0;
        for (int i = 0; same && P.PlayersChanged == 0 && i <= P.PlayersLast; ++i)
            same = list.Players[i].Name == P.Players[i].Name && list.Players[i].Photo == P.Players[i].Photo;
        return same ? QString() : QStringLiteral("holds other players");
    }
    if (name == QStringLiteral("Lidery.ini")) {
        const LeaderBoard board = parseLeadersFile(lines).board;
        for (int i = 0; i < kBoardPlaces; ++i)
            if (board[i].Name != P.Leaders[i].Name || board[i].Photo != P.Leaders[i].Photo || board[i].Score != P.Leaders[i].Score)
                return QStringLiteral("holds another board at place %1: \"%2\"").arg(i + 1).arg(board[i].Name);
        return {};
    }
    if (name == QStringLiteral("Tavik.ini")) {
        Settings settings;
        parseSettings(lines, settings);
        const bool same = settings.ShuffleKindsDefault == G.ShuffleKindsDefault && settings.NoTractor == G.NoTractor &&
                          settings.LastFieldName == G.LastFieldName;
        return same ? QString() : QStringLiteral("holds \"%1\" for \"%2\"").arg(settings.LastFieldName, G.LastFieldName);
    }
    return QStringLiteral("is no file the game reads");
}

QString filesReadBack() {
    for (const QString& path : files->written())
        if (const QString wrong = readsBack(path); !wrong.isEmpty())
            return QStringLiteral("%1 %2").arg(QDir(game->folder()).relativeFilePath(path), wrong);
    return {};
}

struct Invariant {
    const char* name;
    QString (*broken)();
    bool afterClose;  // still holds once the window has closed: the files written on the way out
    bool inWindows;   // holds while the player acts inside a modal window, whatever the game is doing
};
const Invariant kInvariants[] = {
    {"picture count", pictureCount, false, false},    {"beds as drawn", bedsAsDrawn, false, false},
    {"busy", busy, false, false},                     {"harvest panel", harvestPanel, false, false},
    {"battery never rises", batteryNeverRises, false, false}, {"no route only where none is", noRouteOnlyWhereNone, false, false},
    {"battery not below 0", batteryNotBelowZero, false, true}, {"lamps show the charge", lampsShowTheCharge, false, false}, {"still after the end", stillAfterTheEnd, false, false},
    {"players list as held", playersListAsHeld, false, true}, {"one modal window of a kind", oneModalOfAKind, false, true},
    {"files read back", filesReadBack, true, false},
};

// False, with the failure described, when one of the invariants is broken.
bool holds(bool inWindow) {
    const bool open = windowOpen();
    for (const Invariant& invariant : kInvariants) {
        if ((!open && !invariant.afterClose) || (inWindow && !invariant.inWindows))
            continue;
        if (const QString wrong = invariant.broken(); !wrong.isEmpty()) {
            QWidget* focus = QApplication::focusWidget();
            failure = QStringLiteral("%1: %2\n  GameMode %3, Busy %4, pick (%5, %6), target (%7, %8), PathStep %9 of %10, "
                                     "Harvest %11, BatteryCharge %12, level %13, menu %14, focus %15")
                          .arg(QString::fromLatin1(invariant.name), wrong).arg(int(G.GameMode)).arg(int(G.Busy)).arg(G.PickCol).arg(G.PickRow)
                          .arg(G.TargetCol).arg(G.TargetRow).arg(G.PathStep).arg(G.PathLength).arg(G.Harvest).arg(G.BatteryCharge)
                          .arg(G.LevelNumber).arg(forma().picMenu.isVisible() ? "open" : "closed")
                          .arg(focus ? focus->metaObject()->className() : "none");
            return false;
        }
    }
    return true;
}

void checkInWindow() {
    if (failure.isEmpty())
        holds(true);
}

void check() {
    if (!failure.isEmpty())
        return;
    ++checks;
    if (!holds(false) || !windowOpen())
        return;
    if (G.LevelNumber > lastLevel && !answers->gameBegun)
        ++levelsFinished;
    if (G.GameMode == Mode::Over && lastMode == Mode::Playing)
        ++gamesEnded;
    const auto scores = [](const LeaderBoard& board) {
        std::array<int32_t, kBoardPlaces> result;
        std::transform(board.begin(), board.end(), result.begin(), [](const Leader& leader) { return leader.Score; });
        return result;
    };
    if (scores(P.Leaders) != scores(lastBoard))
        ++records;
    lastBoard = P.Leaders;
    lastMode = G.GameMode;
    lastLevel = G.LevelNumber;
    lastCharge = G.BatteryCharge;
    lastPick = G.GameMode == Mode::Playing && !runUnderway() ? QPoint(G.PickCol, G.PickRow) : QPoint(-1, 0);
    lastNoRoute = forma().picKirpich.isVisible();
    answers->gameBegun = false;
}

// ---- input, as a player's hands give it -----------------------------------------------------------

// The window's child under a point of the window, as the pointer finds it.
QWidget* under(QPoint at) {
    QWidget* child = window().childAt(at);
    return child ? child : &window();
}

// Quick hands: inputs pile up while the game is busy and reach it when it next lets events run,
// maybe in the middle of a pick. Otherwise each input is handled before the next is made.
bool quickHands = false;

void input(QWidget* target, QEvent* event) {
    if (!windowOpen())
        return delete event;
    ++events;
    QSpontaneKeyEvent::setSpontaneous(event);  // as the window system delivers it: clicks take the focus
    if (quickHands)
        return QCoreApplication::postEvent(target, event);
    QApplication::sendEvent(target, event);
    delete event;
}

// A press at one point, maybe dragged to another, released there.
void mouse(QPoint from, QPoint to, Qt::MouseButton button) {
    QWidget* target = under(from);
    const auto at = [&](QEvent::Type type, QPoint point, Qt::MouseButton which, Qt::MouseButtons held) {
        input(target, new QMouseEvent(type, target->mapFrom(&window(), point), window().mapToGlobal(point), which, held, {}));
    };
    at(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    at(QEvent::MouseButtonPress, from, button, button);
    if (to != from)
        at(QEvent::MouseMove, to, Qt::NoButton, button);
    at(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

// The keyboard reaches the focus of the active window.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && focus->window() == &window() ? focus : &window();
    input(target, new QKeyEvent(QEvent::KeyPress, k, modifiers));
    input(target, new QKeyEvent(QEvent::KeyRelease, k, modifiers));
}

const QPoint kFieldOrigin(6, 148);  // the field picture in the window
QPoint bedCentre(int col, int row) { return kFieldOrigin + QPoint(cellX(col) + 18, cellY(row) + 20); }

// The cursor walked there with the arrows and Enter, or a left click.
void pickBed(int col, int row) {
    if (!quickHands && chance(30)) {
        if (forma().picMenu.isVisible())
            key(Qt::Key_Escape);
        // Keys that do not reach the field (the focus is on the menu button) leave the cursor be.
        for (int steps = 0; steps < kCols + kRows && (G.CursorCol != col || G.CursorRow != row); ++steps)
            key(G.CursorCol < col ? Qt::Key_Right : G.CursorCol > col ? Qt::Key_Left : G.CursorRow < row ? Qt::Key_Down : Qt::Key_Up);
        key(Qt::Key_Return);
    } else {
        mouse(bedCentre(col, row), bedCentre(col, row), Qt::LeftButton);
    }
}

void playPair(int fromCol, int fromRow, int toCol, int toRow) {
    note(QStringLiteral("pair (%1, %2) (%3, %4) of %5 and %6")
             .arg(fromCol).arg(fromRow).arg(toCol).arg(toRow).arg(G.FieldGrid(fromCol, fromRow)).arg(G.FieldGrid(toCol, toRow)));
    if (G.PickCol >= 0)
        mouse(bedCentre(G.PickCol, G.PickRow), bedCentre(G.PickCol, G.PickRow), Qt::RightButton);
    pickBed(fromCol, fromRow);
    pickBed(toCol, toRow);
}

bool playable() { return windowOpen() && G.GameMode == Mode::Playing && !fieldBlocked(); }

void joinablePair() {
    const std::vector<BedPair> pairs = joinablePairs(G.FieldGrid);
    if (pairs.empty())
        return;
    const BedPair& pair = pairs[size_t(below(int(pairs.size())))];
    playPair(pair.fromCol, pair.fromRow, pair.toCol, pair.toRow);
}

void hint() {
    const Qt::Key k = chance(50) ? Qt::Key_H : Qt::Key(0x0420);  // H, or the same key under a Russian layout
    note(QStringLiteral("hint key %1").arg(QKeySequence(k).toString()));
    key(k);
}

void wrongPair() {
    std::vector<QPoint> crops;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (G.FieldGrid(col, row) >= kFirstCrop)
                crops.emplace_back(col, row);
    if (crops.size() < 2)
        return;
    const QPoint a = crops[size_t(below(int(crops.size())))], b = crops[size_t(below(int(crops.size())))];
    if (a != b)
        playPair(a.x(), a.y(), b.x(), b.y());
}

// The places a pointer goes, and how often: the field, the palette, the menu button, the close
// button, the menu, the editor's buttons, anywhere in the window.
const std::pair<QRect, int> kPlaces[] = {{{6, 148, 576, 400}, 35}, {{4, 88, 612, 57}, 15}, {{591, 186, 41, 89}, 10},
                                         {{607, 146, 30, 30}, 3},  {{160, 160, 318, 327}, 20}, {{592, 322, 41, 113}, 4},
                                         {{592, 480, 33, 61}, 4},  {{0, 0, 640, 554}, 9}};
const QRect& somePlace() {
    int pick = below(100);
    for (const auto& [place, percent] : kPlaces)
        if ((pick -= percent) < 0)
            return place;
    return kPlaces[0].first;
}
QPoint somewhere(const QRect& place) { return place.topLeft() + QPoint(below(place.width()), below(place.height())); }

void randomMouse() {
    const QRect& place = somePlace();
    const QPoint from = somewhere(place), to = chance(70) ? from : somewhere(chance(70) ? place : somePlace());
    const Qt::MouseButton button = std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[size_t(below(4))];
    note(QStringLiteral("mouse %1 (%2, %3) to (%4, %5) on %6")
             .arg(button).arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y()).arg(under(from)->metaObject()->className()));
    mouse(from, to, button);
}

void randomMove() {
    const QPoint at = somewhere(kPlaces[chance(50) ? 0 : 4].first);
    QWidget* target = under(at);
    input(target, new QMouseEvent(QEvent::MouseMove, target->mapFrom(&window(), at), window().mapToGlobal(at), Qt::NoButton, Qt::NoButton, {}));
}

void randomKey() {
    static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_F1, Qt::Key_F10, Qt::Key_Escape,
                                   Qt::Key_F4, Qt::Key_Space, Qt::Key_Tab, Qt::Key_A, Qt::Key_1, Qt::Key_F2,
                                   Qt::Key_Backspace, Qt::Key_PageDown, Qt::Key_Insert};
    const Qt::Key k = keys[below(std::size(keys))];
    Qt::KeyboardModifiers modifiers;
    if (k == Qt::Key_F4 ? chance(30) : chance(10))
        modifiers |= Qt::AltModifier;
    if (chance(10))
        modifiers |= chance(50) ? Qt::ShiftModifier : Qt::ControlModifier;
    note(QStringLiteral("key %1 modifiers %2").arg(QKeySequence(k).toString()).arg(modifiers.toInt(), 0, 16));
    key(k, modifiers);
}

// A command as the open menu would run it; the menu cannot be reached while the field is busy.
void menuCommand() {
    if (fieldBlocked())
        return;
    const int entry = chance(30) ? 0 : below(11);
    note(QStringLiteral("menu \"%1\"").arg(menuCaption(entry)));
    {
        InsideGame call;
        RunMenuItem(menuCaption(entry));
    }
    ++events;
    check();
}

// In the editor: a picture chosen on the palette, sown twice, so that fields get saved.
void sowPair() {
    if (G.GameMode != Mode::Sowing)
        return;
    if (chance(50))
        key(chance(50) ? Qt::Key_Home : Qt::Key_End);
    const int sign = forma().HScroll1.value() + 1 + below(19);
    note(QStringLiteral("sow %1 twice").arg(sign));
    mouse(QPoint(4 + 32 * (sign - 1 - forma().HScroll1.value()) + 16, 106), QPoint(4 + 32 * (sign - 1 - forma().HScroll1.value()) + 16, 106), Qt::LeftButton);
    for (int twice = 0; twice < 2; ++twice) {
        const QPoint bed = bedCentre(below(kCols), below(kRows));
        mouse(bed, bed, Qt::LeftButton);
    }
}

// ---- files the player touches outside the game ------------------------------------------------------

QString at(const QString& relative) { return game->folder() + relative; }

// Fields of every kind: the bundled ones, tiny ones that end a game quickly, one with a long run,
// a damaged one, a hidden one and one whose name the old code page cannot hold; photos alike.
void putFiles() {
    QDir bundled(QStringLiteral(KELVARY_BUNDLED_FIELDS));
    for (const QString& name : bundled.entryList({QStringLiteral("*.tvk")}, QDir::Files))
        QFile::copy(bundled.filePath(name), at(QStringLiteral("Pole/") + name));
    const auto field = [](const QString& name, const std::vector<CellRecord>& cells) {
        if (!QFile::exists(at(QStringLiteral("Pole/") + name)))
            game->writeFile(QStringLiteral("Pole/") + name, fieldFileBytes(cells, 77, 0));
    };
    field(QStringLiteral("x-dlinny.tvk"), {{0, 0, 7}, {15, 9, 7}});
    field(QStringLiteral("x-malo.tvk"), {{3, 4, 5}, {4, 4, 1}, {5, 4, 5}, {7, 7, 9}, {8, 8, 9}});
    // Small fields in a row, so that a game started among them ends its levels quickly.
    for (int n = 2; n <= 4; ++n)
        field(QStringLiteral("x-malo%1.tvk").arg(n), {{n, 1, n + 10}, {9, n, n + 10}, {n, 7, n + 20}, {12, n + 4, n + 20}});
    field(QStringLiteral(".skrytoe.tvk"), {{1, 1, 3}, {2, 2, 3}});
    field(QStringLiteral("поле★.tvk"), {{1, 1, 4}, {9, 2, 4}});
    game->writeFile(QStringLiteral("Pole/plokhoe.tvk"), "[tavik]\r\n 5 \r\n 99 \r\nxx\r\n");
    for (const QString& photo : {QStringLiteral("masha.png"), QStringLiteral("petya.jpg"), QStringLiteral("фото★.png"), QStringLiteral(".skrytoe.png")})
        if (!QFile::exists(at(QStringLiteral("Photo/") + photo)))
            stripedPhoto(120, 150).save(at(QStringLiteral("Photo/") + photo));
    QDir(game->folder()).mkpath(QStringLiteral("zakryto"));
    game->writeFile(QStringLiteral("zapert"), "no folder");
    files->seen();
}

void deleteFile() {
    QStringList candidates;
    for (const QString& folder : {QStringLiteral("Pole/"), QStringLiteral("Photo/"), QString()})
        for (const QString& name : QDir(at(folder)).entryList(QDir::Files | QDir::Hidden))
            if (!folder.isEmpty() || name.endsWith(QStringLiteral(".tgm")))
                candidates << folder + name;
    if (candidates.isEmpty())
        return;
    const QString doomed = candidates[below(int(candidates.size()))];
    note(QStringLiteral("delete %1").arg(doomed));
    QFile::remove(at(doomed));
    files->seen();
}

// Write protection on the saved games' folder, the fields' folder or the program folder (it stops
// only users other than root; a saved game under the plain file "zapert" stops everyone).
void protectFolder() {
    const QString folder = at(std::array{QStringLiteral("zakryto"), QStringLiteral("Pole"), QString()}[size_t(below(3))]);
    const bool protect = chance(50);
    note(QStringLiteral("folder %1 %2").arg(folder, protect ? QStringLiteral("protected") : QStringLiteral("writable")));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | (protect ? QFile::Permissions() : QFile::WriteOwner));
}

void wait() {
    const int ms = 100 + below(400);
    note(QStringLiteral("wait %1 ms").arg(ms));
    pumpEvents(ms);
}

void closeWindow() {
    note(QStringLiteral("close the window"));
    window().close();
    ++events;
    check();
}

// ---- the table of actions ---------------------------------------------------------------------------

struct Action {
    int (*weight)();
    void (*run)();
};
const Action kActions[] = {
    {[] { return playable() ? 400 : 0; }, joinablePair},
    {[] { return playable() ? 15 : 0; }, wrongPair},
    {[] { return playable() ? 30 : 0; }, hint},
    {[] { return 200; }, randomMouse},
    {[] { return 100; }, randomMove},
    {[] { return 200; }, randomKey},
    {[] { return G.GameMode == Mode::Playing ? 20 : 80; }, menuCommand},
    {[] { return G.GameMode == Mode::Sowing ? 250 : 0; }, sowPair},
    {[] { return 3; }, deleteFile},
    {[] { return 3; }, putFiles},
    {[] { return 3; }, protectFolder},
    {[] { return G.Busy == FieldLock::Busy ? 20 : 10; }, wait},
    {[] { return 1; }, closeWindow},
};

void act() {
    // The desktop gives the main window back the keyboard once a dialog has gone.
    if (QApplication::activeWindow() != &window())
        QApplication::setActiveWindow(&window());
    int weights[std::size(kActions)], total = 0;
    for (size_t i = 0; i < std::size(kActions); ++i)
        total += weights[i] = kActions[i].weight();
    int pick = below(total);
    size_t chosen = 0;
    while (pick >= weights[chosen])
        pick -= weights[chosen++];
    kActions[chosen].run();
}

unsigned numberFrom(int argc, char** argv, int index, const char* variable, unsigned fallback) {
    const QByteArray text = argc > index ? QByteArray(argv[index]) : qgetenv(variable);
    bool ok = false;
    const unsigned value = text.toUInt(&ok);
    return ok ? value : fallback;
}
}  // namespace

int main(int argc, char** argv) {
    WatchedApplication app(argc, argv);
    const unsigned seconds = numberFrom(argc, argv, 1, "KELVARY_SOAK_SECONDS", 60);
    const unsigned seed = numberFrom(argc, argv, 2, "KELVARY_SOAK_SEED", std::random_device{}());
    std::printf("soak: seed %u, %u s (replay: test_soak %u %u)\n", seed, seconds, seconds, seed);
    std::fflush(stdout);
    dice.seed(seed);

    GameFixture fixture(false);
    game = &fixture;
    FileWatch watch(fixture.folder());
    files = &watch;
    fixture.writeFile(QStringLiteral("Igroki.ini"), playersFileOf({{QStringLiteral("Маша"), QStringLiteral("masha.png")},
                                                                  {QStringLiteral("Петя"), QStringLiteral("petya.jpg")},
                                                                  {QStringLiteral("Оля"), QStringLiteral("nety.png")}}));
    putFiles();
    RandomAnswers player(dice, fixture.folder(), note);
    player.look = checkInWindow;
    answers = &player;
    stopwatch.start();
    fixture.start();
    lastBoard = P.Leaders;
    app.afterEvent = check;

    int quickLeft = 0;
    while (failure.isEmpty() && stopwatch.elapsed() < qint64(seconds) * 1000) {
        if (quickLeft == 0 && chance(5))
            quickLeft = 2 + below(6);
        quickHands = quickLeft > 0;
        act();
        if (!windowOpen()) {
            pumpEvents(0);  // what was still on its way to the closed window
            note(QStringLiteral("the program starts again"));
            ++restarts;
            fixture.restart();
            lastMode = Mode::NothingBegun;
            lastLevel = 0;
            lastCharge = G.BatteryCharge;
            lastPick = QPoint(-1, 0);
            lastBoard = P.Leaders;
        }
        if (quickLeft > 0)
            --quickLeft;
        else
            pumpEvents(below(10));
    }
    app.afterEvent = nullptr;
    for (const QString& folder : {QStringLiteral("zakryto"), QStringLiteral("Pole"), QString()})
        QFile::setPermissions(at(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double elapsed = stopwatch.elapsed() / 1000.0;
    std::printf("soak: seed %u, %.1f s, %ld events (%.0f a second), %ld ticks, %ld checks, %ld levels finished, "
                "%ld records entered, %ld games ended, %d congratulations on a whole harvest, %ld restarts, %d messages\n",
                seed, elapsed, events, events / elapsed, app.ticks, checks, levelsFinished, records, gamesEnded,
                player.congratulations, restarts, player.messages);
    if (failure.isEmpty())
        return 0;
    std::printf("FAIL: %s\nseed %u; the last inputs and answers:\n", qPrintable(failure), seed);
    for (const QString& line : trace)
        std::printf("  %s\n", qPrintable(line));
    return 1;
}
