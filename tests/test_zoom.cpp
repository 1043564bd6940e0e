// The window at other sizes: clicks land on the logical beds, the surfaces read the same logical
// pixels, a zoom changed in the middle of a run draws the whole window again, dialogs follow the
// zoom, and the zoom a player chose is kept in the settings.
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
void pickBed(PictureBox& field, int col, int row) {
    const QPoint at = atZoom(field, QPoint(36 * col + 18, 40 * row + 20));
    QTest::mouseMove(&field, at);
    QTest::mouseClick(&field, Qt::LeftButton, {}, at);
}

// The field and the panels, each as `shot` takes it.
std::vector<QImage> shots(const std::function<QImage(const Surface&)>& shot) {
    Forma& f = forma();
    return {shot(f.picPole), shot(f.picKG), shot(f.picUroven), shot(f.picAkamulyator)};
}

// The logical pixels a surface reads, and the same drawn again from its record.
QImage logicalPixels(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, surface.pixel(x, y));
    return image;
}

QImage redrawn(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    QPainter painter(&image);
    surface.box()->paintRecord(painter, 1.0, image.rect());
    return image;
}

// The share of pixels of the halved zoomed picture that differ from the plain one in a colour
// channel by more than a quarter of its range: the same drawing rendered finer stays well below a
// hundredth, a picture drawn out of place does not.
double unlikeHalved(const QImage& zoomed, const QImage& plain) {
    const QImage halved = zoomed.convertToFormat(QImage::Format_RGB32)
                              .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb p = halved.pixel(x, y), q = plain.pixel(x, y);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > 64;
        }
    return double(differing) / (plain.width() * plain.height());
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
    // After a dragged border the keys step on from the nearest step; there is none above 300 %.
    QCOMPARE(steppedZoom(216.6, 1, {3840, 2160}), 250);
    QCOMPARE(steppedZoom(216.6, -1, {3840, 2160}), 150);
    QCOMPARE(steppedZoom(300, 1, {3840, 2160}), 300);
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
    std::vector<QImage> read[2];
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
        for (int tick = 0; forma().TimerRobot.isEnabled() && tick < 100; ++tick)
            TimerDvigenieRobota();
        QVERIFY(cellIsEmpty(3, 5) && cellIsEmpty(7, 5) && cellShows(5, 5, 2));
        QCOMPARE(G.Harvest, 1);
        read[zoomed] = shots(logicalPixels);
    }
    QVERIFY(read[0] == read[1]);
}

void ZoomTest::aZoomChangedDuringARunDrawsTheWholeWindowAgain() {
    // Each moment once at 100 % and once zoomed to 200 % right there. The records must hold all
    // that the surfaces show, and the zoomed screen, halved, show what the plain one does.
    for (int moment = 0; moment < 2; ++moment) {
        const char* const when = moment == 0 ? "while the tractor sows" : "while the robot runs";
        std::vector<QImage> seen[2];
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
            QVERIFY2(shots(redrawn) == shots(logicalPixels), when);
            seen[zoomed] = shots(onScreen);  // with the robot and the tractor
        }
        for (size_t i = 0; i < seen[0].size(); ++i) {
            QCOMPARE(seen[1][i].size(), seen[0][i].size() * 2);
            QVERIFY2(unlikeHalved(seen[1][i], seen[0][i]) < 0.01, when);
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
    QTest::addColumn<QByteArray>("fourthLine");
    QTest::addColumn<int>("zoom");
    QTest::newRow("three lines") << QByteArray() << 0;
    QTest::newRow("a fourth line") << QByteArray(" 150 \r\n") << 150;
    QTest::newRow("an empty fourth line") << QByteArray("\r\n") << 0;
    QTest::newRow("no zoom step") << QByteArray(" 175 \r\n") << 0;
    QTest::newRow("no number") << QByteArray("big\r\n") << 0;
}

void ZoomTest::settingsKeepOnlyAChosenZoom() {
    QFETCH(QByteArray, fourthLine);
    QFETCH(int, zoom);
    const QByteArray threeLines(" 1 \r\n 0 \r\npole.tvk\r\n");
    Settings settings;
    parseSettings(splitLines(threeLines + fourthLine), settings);
    QCOMPARE(settings.ZoomPercent, zoom);
    QCOMPARE(settings.LastFieldName, QStringLiteral("pole.tvk"));
    // Written back with the fourth line only when it holds a zoom.
    QCOMPARE(settingsBytes(settings), zoom ? threeLines + fourthLine : threeLines);
}

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
