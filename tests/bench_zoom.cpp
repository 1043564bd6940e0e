// Prints how long the main window takes to draw itself whole again after a zoom change, from the
// record its picture boxes keep, and how much resident memory each zoom step holds.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <malloc.h>
#include <cstdio>
#include <vector>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "play/FieldInput.h"
#include "play/VyborZnaka.h"
#include "ui/Forma.h"
#include "ui/Zoom.h"
#include "ui/frmForma.h"
#include "tests/BenchGame.h"

namespace {
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

// What the window holds once it has shown itself at the zoom, freed memory given back first.
double residentAt(int percent) {
    frmForma::instance()->openAtZoom(percent);
    for (int round = 0; round < 20; ++round)
        QApplication::processEvents();
    malloc_trim(0);
    return residentMiB();
}

// Zooms the window and paints everything it shows, as the screen would ask for it.
double zoomAndPaint(int percent) {
    QElapsedTimer clock;
    clock.start();
    frmForma::instance()->openAtZoom(percent);
    frmForma::instance()->grab();
    return clock.nsecsElapsed() / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    startBenchGame(folder.path());
    // A full field with a first pick: every bed, a flag, the cursor, the panels.
    G.NoTractor = 1;
    std::vector<CellRecord> beds;
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 16; ++col)
            beds.push_back({col, row, 2 + (row * 16 + col) / 5 % 32});
    ShowPole(beds, kForPlay);
    KursorKvadrat(3, 3);
    VyborZnaka();
    const double atFirst = residentAt(100);
    const double atMost = residentAt(300);
    std::printf("resident at 100 %%: %.1f MiB, at 300 %%: %.1f MiB (%+.1f MiB)\n", atFirst, atMost, atMost - atFirst);
    for (int percent : kZoomSteps) {
        if (percent == 100)
            continue;
        std::vector<double> ms;
        for (int run = 0; run < 7; ++run) {
            zoomAndPaint(100);
            ms.push_back(zoomAndPaint(percent));
        }
        std::sort(ms.begin(), ms.end());
        std::printf("zoom 100 -> %d %%: redrawn whole in %.1f ms (median of 7, max %.1f)\n", percent, ms[3],
                    ms.back());
    }
}
