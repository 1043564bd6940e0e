#include "menu/SavedGame.h"

#include <QFileInfo>

#include "core/Digits.h"
#include "core/FieldDisplay.h"
#include "core/FileMessages.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/Rnd.h"
#include "core/TextFile.h"
#include "menu/SavedGameFormat.h"
#include "play/Battery.h"
#include "play/DeadEnd.h"
#include "play/RobotRun.h"
#include "ui/ApiOpenSave.h"
#include "ui/Forma.h"

namespace {

// The game in progress as a file keeps it: the pictures still standing, not how they came there.
SavedGame currentGame() {
    SavedGame game{G.LevelNumber, G.Harvest, G.BatteryCharge, G.FirstFieldName, G.PlayedFields, {}};
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (G.FieldGrid(col, row) > kEmpty)
                game.Cells.push_back({col, row, G.FieldGrid(col, row)});
    return game;
}

QString withExtension(const QString& name) {
    return PoiskTochki(name) == 0 ? name + QStringLiteral(".tgm") : name;
}

void resumeGame(const SavedGame& game, const QString& name) {
    G.GameMode = Mode::Playing;
    G.LevelNumber = game.LevelNumber;
    G.Harvest = game.Harvest;
    G.BatteryCharge = game.BatteryCharge;
    G.FirstFieldName = game.FirstFieldName;
    G.PlayedFields = game.PlayedFields;
    Forma& f = forma();
    f.picUroven.cls();
    DrawDigits(f.picUroven, G.LevelNumber, kLevelOnesX, 5);
    f.picKG.cls();
    DrawHarvest();
    showBatteryCharge();
    // Fields may have been added since the program started; the game goes on through them all.
    f.FilyUrovney.refresh();
    ShowPole(game.Cells, kForPlay);
    G.GameFileName = name;
    ShowFieldTitle();
}
}  // namespace

int PoiskTochki(const QString& name) {
    for (qsizetype i = name.size(); i >= 4; --i) {
        const QChar c = name.at(i - 1);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return 0;
        if (c == QLatin1Char('.'))
            return int(i);
    }
    return 0;
}

void SaveGame(bool saveAs) {
    if (!saveAs && !G.GameFileName.isEmpty()) {
        WriteGameFile(G.GameFileName);
        return;
    }
    const QString name = ApiOpenSave(true, G.GameFileName);
    if (!name.isEmpty())
        WriteGameFile(withExtension(name));
}

void WriteGameFile(const QString& name) {
    if (name != G.GameFileName && QFileInfo::exists(name) && !confirmReplace(name))
        return;
    const QByteArray bytes = savedGameBytes(currentGame(), newFileSeed());
    const auto readsBack = [](const QList<QByteArray>& lines) { return parseSavedGame(lines).has_value(); };
    if (reportWriteFailure(name, writeCheckedFile(name, bytes, readsBack)))
        return;
    G.GameFileName = name;
}

void OpenGame() {
    QString name = ApiOpenSave(false, QString());
    if (name.isEmpty())
        return;
    name = withExtension(name);
    const TextLines file = readTextLines(name);
    std::optional<SavedGame> game = file.status == OpenStatus::Ok ? parseSavedGame(file.lines) : std::nullopt;
    if (!game) {
        reportUnreadable(name, file.status);
        return;
    }
    resumeGame(*game, name);
    AnnounceDeadEnd();
}
