#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Main.h"
#include "core/ProgramFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvary"));
    // Standard buttons and dialogs in Russian; without the translation the game still runs.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);
    Main(programFolder(QApplication::applicationDirPath()));
    return app.exec();
}
