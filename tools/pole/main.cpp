// kelvary-pole: a field designer's tool. Shows, checks, solves and draws field files, and makes
// the fields that come with the game.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "tools/pole/Commands.h"

int main(int argc, char* argv[]) {
    // Drawing needs a GUI application; without a screen it draws offscreen all the same.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "render") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (drawing)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Console console{out, err};
    return runPole(QCoreApplication::arguments().mid(1), console);
}
