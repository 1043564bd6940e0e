// Prints how much a player's photo raises the peak memory when it is loaded for its box, for a
// small photo and for 5000 x 5000 pictures in the formats a player is likely to drop into Photo/.
// Each load runs in a child process of its own, so one peak does not hide the next.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/GameState.h"
#include "players/Photo.h"

namespace {
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <class Work>
void inChild(Work work) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        work();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

void makePhoto(const QString& path, int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = qRgb(x * 255 / side, y * 255 / side, (x ^ y) & 0xff);
    }
    picture.save(path);
}
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    G.AppFolder = folder.path() + QStringLiteral("/");
    QDir(folder.path()).mkdir(QStringLiteral("Photo"));
    const struct {
        const char* file;
        int side;
    } photos[] = {{"small.png", 110}, {"huge.png", 5000}, {"huge.jpg", 5000}};
    for (const auto& photo : photos)
        inChild([&] { makePhoto(photoFolder() + QString::fromLatin1(photo.file), photo.side); });
    for (const auto& photo : photos) {
        inChild([&] {
            const long before = peakKiB();
            const QImage shown = loadPhoto(QString::fromLatin1(photo.file));
            std::printf("photo %-9s %5d x %-5d shown %3d x %-3d peak memory +%.1f MiB\n", photo.file, photo.side,
                        photo.side, shown.width(), shown.height(), double(peakKiB() - before) / 1024.0);
        });
    }
    return 0;
}
