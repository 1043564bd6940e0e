// The window at other sizes: clicks land on the logical beds, the surfaces read the same logical
// pixels, a zoom changed in the middle of a run draws the same picture as that zoom from the start,
// and the zoom a player chose is kept in the settings.
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/SettingsFormat.h"
#include "core/TextFile.h"
#include "menu/Menu.h"
#include "play/RobotRun.h"
#include "play/Tractor.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "support/Pixels.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/Zoom.h"
#include "ui/Windows.h"
#include "ui/frmForma.h"
#include "ui/frmStart.h"

namespace {
void runRobot() {
    for (int ticks = 0; forma().TimerRobot.isEnabled() && ticks < 1000; ++ticks)
        TimerDvigenieRobota();
}

void pickBed(PictureBox& field, int col, int row) {
    const QPoint at = atZoom(field, QPoint(36 * col + 18, 40 * row + 20));
    QTest::mouseMove(&field, at);
    QTest::mouseClick(&field, Qt::LeftButton, {}, at);
}

// The logical pixels of the field and the panels.
std::vector<QImage> logicalShot() {
    std::vector<QImage> shot;
    Forma& f = forma();
    for (const Surface* surface : {&f.picPole, &f.picKG, &f.picUroven, &f.picAkamulyator}) {
        QImage image(surface->width(), surface->height(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, surface->pixel(x, y));
        shot.push_back(image);
    }
    return shot;
}

// What the player sees of the field, with the robot and the tractor, and of the panels.
std::vector<QImage> screenShot() {
    Forma& f = forma();
    return {onScreen(f.picPole), onScreen(f.picKG), onScreen(f.picUroven), onScreen(f.picAkamulyator)};
}

// Each pixel the mean of a 2 x 2 block.
QImage halved(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of pixels that differ in a colour channel by more than a quarter of its range: the
// same drawing rendered finer stays well below a hundredth, a picture drawn out of place does not.
double unlike(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 64)
                ++differing;
        }
    return double(differing) / (a.width() * a.height());
}

// The logical pixels of the field and the panels as their records draw them again.
std::vector<QImage> redrawnShot() {
    std::vector<QImage> shot;
    Forma& f = forma();
    for (const Surface* surface : {&f.picPole, &f.picKG, &f.picUroven, &f.picAkamulyator}) {
        QImage image(surface->width(), surface->height(), QImage::Format_RGB32);
        QPainter painter(&image);
        surface->box()->paintRecord(painter, 1.0, image.rect());
        shot.push_back(image);
    }
    return shot;
}

void startGame(GameFixture& game) {
    game.start();
    QTest::keyClick(&game.box("picMenu"), Qt::Key_Escape);
}

void sowWithTheTractor(int ticks) {
    G.GameMode = Mode::Playing;
    G.NoTractor = 0;
    G.ShuffleKinds = 0;
    ShowPole({{0, 0, 7}, {3, 2, 1}, {1, 4, 9}, {14, 4, 9}, {15, 9, 7}}, kForPlay);
    for (int tick = 0; tick < ticks; ++tick)
        Traktor();
}
}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void stepsAndTheFirstStartFitTheScreen();
    void playAtOtherSizesPicksTheLogicalBeds_data();
    void playAtOtherSizesPicksTheLogicalBeds();
    void aZoomChangedDuringARunDrawsTheWholeWindowAgain();
    void keysStepTheZoomWithinTheScreenAndClosingKeepsIt();
    void dialogsOpenAtTheWindowsZoom();
    void settingsKeepOnlyAChosenZoom_data();
    void settingsKeepOnlyAChosenZoom();
};

void ZoomTest::stepsAndTheFirstStartFitTheScreen() {
    const struct { QSize screen; int zoom; } firstStarts[] = {
        {{1280, 1024}, 100}, {{1920, 1080}, 125}, {{2560, 1440}, 150}, {{2560, 1800}, 200}, {{800, 600}, 100}};
    for (const auto& row : firstStarts)
        QCOMPARE(firstStartZoom(row.screen), row.zoom);
    const struct { double from; int direction; QSize screen; int zoom; } steps[] = {
        {100, 1, {3840, 2160}, 125},  {216.6, 1, {3840, 2160}, 250}, {300, 1, {3840, 2160}, 300},
        {150, 1, {1300, 1150}, 200},  {200, 1, {1300, 1150}, 200},   {125, -1, {1300, 1150}, 100},
        {100, -1, {1300, 1150}, 100},
    };
    for (const auto& row : steps)
        QCOMPARE(steppedZoom(row.from, row.direction, row.screen), row.zoom);
}

void ZoomTest::playAtOtherSizesPicksTheLogicalBeds_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("150 %") << QSize(960, 831) << 1.5;
    QTest::newRow("200 %") << QSize(1280, 1108) << 2.0;
    QTest::newRow("1600 x 1200") << QSize(1600, 1200) << 1200.0 / 554;
}

void ZoomTest::playAtOtherSizesPicksTheLogicalBeds() {
    QFETCH(QSize, window);
    QFETCH(qreal, scale);
    std::vector<QImage> shots[2];
    for (int zoomed = 0; zoomed < 2; ++zoomed) {
        GameFixture game;
        startGame(game);
        if (zoomed)
            game.window().resize(window);
        QCOMPARE(game.window().size(), zoomed ? window : kLogicalWindow);
        PictureBox& field = game.box("picPole");
        QCOMPARE(layoutScale(&field), zoomed ? scale : 1.0);
        const QSize stage = scaledRect(QRect(QPoint(0, 0), kLogicalWindow), layoutScale(&field)).size();
        QCOMPARE(field.mapTo(&game.window(), QPoint(0, 0)),
                 QPoint((game.window().width() - stage.width()) / 2, 0) + scaledRect({6, 148, 1, 1}, layoutScale(&field)).topLeft());
        layOutForPlay({{3, 5, 8}, {5, 5, 2}, {7, 5, 8}, {0, 0, 2}});
        pickBed(field, 3, 5);
        QVERIFY(flagged(3, 5, 8));
        pickBed(field, 7, 5);
        runRobot();
        QVERIFY(cellIsEmpty(3, 5) && cellIsEmpty(7, 5) && cellShows(5, 5, 2));
        QCOMPARE(G.Harvest, 1);
        shots[zoomed] = logicalShot();
    }
    QVERIFY(shots[0] == shots[1]);
}

void ZoomTest::aZoomChangedDuringARunDrawsTheWholeWindowAgain() {
    // Each moment once at 100 % and once zoomed to 200 % right there. The records must hold all
    // that the surfaces show, and the zoomed screen, halved, show what the plain one does.
    for (int moment = 0; moment < 2; ++moment) {
        const char* const when = moment == 0 ? "while the tractor sows" : "while the robot runs";
        std::vector<QImage> shots[2];
        for (int zoomed = 0; zoomed < 2; ++zoomed) {
            GameFixture game;
            startGame(game);
            sowWithTheTractor(moment == 0 ? 70 : 160);
            if (moment == 1) {
                pickBed(game.box("picPole"), 1, 4);
                pickBed(game.box("picPole"), 14, 4);
                for (int tick = 0; tick < 3; ++tick)
                    TimerDvigenieRobota();
                QVERIFY(forma().TimerRobot.isEnabled());
            }
            if (zoomed)
                game.window().openAtZoom(200);
            QVERIFY2(redrawnShot() == logicalShot(), when);
            shots[zoomed] = screenShot();
        }
        for (size_t i = 0; i < shots[0].size(); ++i) {
            QCOMPARE(shots[1][i].size(), shots[0][i].size() * 2);
            QVERIFY2(unlike(halved(shots[1][i]), shots[0][i]) < 0.01, when);
        }
    }
}

void ZoomTest::keysStepTheZoomWithinTheScreenAndClosingKeepsIt() {
    GameFixture game;
    startGame(game);
    frmForma& window = game.window();
    // The test screen's 800 x 800 takes 125 % (800 x 693) but not 150 % (960 x 831).
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; QSize size; } presses[] = {
        {Qt::Key_Plus, Qt::ControlModifier, {800, 693}},  {Qt::Key_Plus, Qt::ControlModifier, {800, 693}},
        {Qt::Key_Minus, Qt::ControlModifier, {640, 554}}, {Qt::Key_Equal, Qt::ControlModifier, {800, 693}},
        {Qt::Key_0, Qt::ControlModifier, {640, 554}},     {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, {800, 693}},
    };
    for (const auto& press : presses) {
        QTest::keyClick(&game.box("picPole"), press.key, press.modifiers);
        QCOMPARE(window.size(), press.size);
    }
    RunMenuItem(QStringLiteral("Выход"));
    QVERIFY(game.readFile(QStringLiteral("Tavik.ini")).endsWith("\r\n 125 \r\n"));
    game.restart();
    QCOMPARE(game.window().size(), QSize(800, 693));
}

void ZoomTest::dialogsOpenAtTheWindowsZoom() {
    GameFixture game;
    startGame(game);
    game.window().openAtZoom(300);
    ModalScript script;
    script.then<frmStart>([](frmStart& dialog) {
        QCOMPARE(dialog.size(), QSize(3 * 239, 3 * 350));
        QCOMPARE(dialog.Label1->geometry(), QRect(24, 24, 315, 60));
        QCOMPARE(dialog.Label1->font().pixelSize(), 3 * 16);
        dialog.reject();
    });
    openFrmStart();
    QVERIFY(script.finished());
}

void ZoomTest::settingsKeepOnlyAChosenZoom_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("three lines") << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n") << 0
                                 << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n");
    QTest::newRow("a fourth line") << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n 150 \r\n") << 150
                                   << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n 150 \r\n");
    QTest::newRow("an empty fourth line") << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n\r\n") << 0
                                          << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n");
    QTest::newRow("no zoom step") << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n 175 \r\n") << 0
                                  << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n");
    QTest::newRow("no number") << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\nbig\r\n") << 0
                               << QByteArray(" 1 \r\n 0 \r\npole.tvk\r\n");
}

void ZoomTest::settingsKeepOnlyAChosenZoom() {
    QFETCH(QByteArray, file);
    QFETCH(int, zoom);
    QFETCH(QByteArray, written);
    Settings settings;
    parseSettings(splitLines(file), settings);
    QCOMPARE(settings.ZoomPercent, zoom);
    QCOMPARE(settings.LastFieldName, QStringLiteral("pole.tvk"));
    QCOMPARE(settingsBytes(settings), written);
}

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
