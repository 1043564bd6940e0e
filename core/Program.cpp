#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

#include "core/CommandLine.h"
#include "core/Main.h"
#include "core/ProgramFolder.h"
#include "core/SingleInstance.h"

int main(int argc, char* argv[]) {
    {
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = answerCommandLine(arguments, out, err))
            return *status;
    }
    // The crash sound needs only what Debian's Qt Multimedia brings for its FFmpeg back end.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvary"));
    // Lets the desktop match the windows to kelvary.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("kelvary"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/data/art/icon.png")));
    const QString executableFolder = QApplication::applicationDirPath();
    const QString folder = programFolder(executableFolder, QFileInfo(executableFolder).isWritable());
    if (!claimFolder(folder))
        return 1;
    Main(folder);
    return app.exec();
}
