#include "core/Main.h"

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Leftovers.h"
#include "core/Settings.h"
#include "menu/Menu.h"
#include "players/PlayersStore.h"
#include "ui/Fonts.h"
#include "ui/Forma.h"
#include "ui/Windows.h"
#include "ui/Zoom.h"

// On this platform "\\" is an ordinary character of a folder's name, never a separator.
QString withSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void Main(const QString& programFolder) {
    G.AppFolder = withSeparator(programFolder);
    G.FieldFolder = G.AppFolder + QStringLiteral("Pole/");
    // Only one copy runs on a folder, so no other write can be under way here.
    removeLeftovers(G.AppFolder, G.FieldFolder);
    Settings settings;
    readSettings(G.AppFolder + QStringLiteral("Tavik.ini"), settings);
    G.ShuffleKindsDefault = settings.ShuffleKindsDefault;
    G.NoTractor = settings.NoTractor;
    G.LastFieldName = settings.LastFieldName;
    setChosenZoom(settings.ZoomPercent);
    ReadIgrokov();
    ReadLiderov();
    useInterfaceFont();
    showFrmForma();
    BuildMenu();
    DrawGrid();
    G.FieldGrid.clear();
    OpenMenu();
    forma().FilyUrovney.setPath(G.FieldFolder);
}
