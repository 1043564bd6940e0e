// Prints how long a full tractor run and a robot run over the longest route take with the real
// timers, against the 8.0 s and 4.0 s that their ticks promise.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "play/FieldInput.h"
#include "play/VyborZnaka.h"
#include "ui/Forma.h"
#include "tests/BenchGame.h"

namespace {
qint64 waitUntilIdle(const Timer& timer) {
    QElapsedTimer clock;
    clock.start();
    while (timer.isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return clock.elapsed();
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    // The harvest ends the game: its messages are acknowledged, the record offer declined.
    startBenchGame(folder.path());

    G.NoTractor = 0;
    ShowPole({{0, 0, 2}, {15, 9, 2}}, kForPlay);
    std::printf("tractor run, 160 ticks of 50 ms: %lld ms (promised 8000 ms)\n",
                waitUntilIdle(forma().tmrTrakrtor));

    // Fences everywhere but row 0, row 9 and column 15: the only route goes all the way round.
    G.NoTractor = 1;
    std::vector<CellRecord> cells = {{0, 0, 5}, {0, 9, 5}};
    for (int row = 1; row <= 8; ++row)
        for (int col = 0; col <= 14; ++col)
            cells.push_back({col, row, 1});
    ShowPole(cells, kForPlay);
    KursorKvadrat(0, 0);
    VyborZnaka();
    KursorKvadrat(0, 9);
    QElapsedTimer clock;
    clock.start();
    VyborZnaka();
    const int ticks = G.PathLength + 1;
    waitUntilIdle(forma().TimerRobot);
    std::printf("robot run over the longest route, %d ticks of %d ms: %lld ms (promised %d ms)\n", ticks,
                forma().TimerRobot.interval(), clock.elapsed(), ticks * forma().TimerRobot.interval());
    return 0;
}
