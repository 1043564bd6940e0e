#include "core/FieldFile.h"

#include <QFileInfo>

#include "core/FieldDisplay.h"
#include "core/FieldFileFormat.h"
#include "core/FileMessages.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/Rnd.h"
#include "core/TextFile.h"
#include "ui/Forma.h"

int SavePole(const QString& name) {
    const QString path = G.FieldFolder + name;
    if (name != G.FieldFileName && QFileInfo::exists(path) && !confirmReplace(name))
        return 0;
    const QByteArray bytes = fieldFileBytes(G.SownCells, newFileSeed(), G.ShuffleKinds);
    const auto readsBack = [](const QList<QByteArray>& lines) { return parseFieldFile(lines).has_value(); };
    if (reportWriteFailure(name, writeCheckedFile(path, bytes, readsBack)))
        return 1;
    G.FieldFileName = name;
    forma().lblNameFile.setCaption(name);
    G.SownCells.clear();
    return 0;
}

int OpenPole(const QString& name, PoleMode mode) {
    const TextLines file = readTextLines(G.FieldFolder + name);
    std::optional<FieldFile> field = file.status == OpenStatus::Ok ? parseFieldFile(file.lines) : std::nullopt;
    if (!field || (mode == kForPlay && !hasCrop(field->records))) {
        if (mode == kForEditing)
            reportUnreadable(name, file.status);
        return 1;
    }
    G.ShuffleKinds = field->shuffleKinds;
    if (mode == kForEditing) {
        G.GameMode = Mode::Sowing;
        G.ShuffleKindsDefault = G.ShuffleKinds;
        ShowFieldTitle();
    }
    ShowPole(field->records, mode);
    // Laying out clears the label to "Новое поле"; an opened field shows its own name.
    if (mode == kForEditing)
        forma().lblNameFile.setCaption(name);
    G.CurrentSign = 1;
    G.FieldFileName = name;
    return 0;
}
