#include "core/Main.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Settings.h"
#include "menu/Menu.h"
#include "players/PlayersStore.h"
#include "ui/Forma.h"
#include "ui/Windows.h"

QString withSeparator(const QString& folder) {
    const QChar separator = folder.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    return folder.endsWith(separator) ? folder : folder + separator;
}

void Main(const QString& programFolder) {
    G.AppFolder = withSeparator(programFolder);
    G.FieldFolder = G.AppFolder + QStringLiteral("Pole") + G.AppFolder.back();
    Settings settings;
    readSettings(G.AppFolder + QStringLiteral("Tavik.ini"), settings);
    G.ShuffleKindsDefault = settings.ShuffleKindsDefault;
    G.NoTractor = settings.NoTractor;
    G.LastFieldName = settings.LastFieldName;
    ReadIgrokov();
    ReadLiderov();
    showFrmForma();
    BuildMenu();
    DrawGrid();
    G.FieldGrid.clear();
    OpenMenu();
    forma().FilyUrovney.setPath(G.FieldFolder);
}
