#include "editor/SaveField.h"

#include "core/Cp1251.h"
#include "core/FieldFile.h"
#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "editor/FieldCheck.h"
#include "ui/Messages.h"
#include "ui/Windows.h"

void SaveFile(bool saveAs) {
    if (G.GameMode != Mode::Sowing || AnalizPolya() != 0)
        return;
    if (!G.FieldFileName.isEmpty() && !saveAs) {
        SavePole(G.FieldFileName);
        return;
    }
    G.FieldDialogOpens = 0;
    openFrmFile();
}

void ContinueSowing() {
    G.FieldDialogOpens = 1;
    openFrmFile();
}

// The list shows neither hidden names nor names ending in a blank, so a field saved under one
// could never be picked again.
bool acceptableFieldName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && fitsCp1251(name) &&
           !name.startsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char(' '));
}

int SaveOrOpenNamed(const QString& typedName) {
    QString name = typedName;
    if (!name.contains(QLatin1Char('.')))
        name += QStringLiteral(".tvk");
    // Only names inside "Pole": a pasted path must not write or read anywhere else.
    if (!acceptableFieldName(name)) {
        const QString ending = G.FieldDialogOpens != 0 ? QStringLiteral(" открыть не возможно.")
                                                     : QStringLiteral(" сохранить не возможно.");
        MsgBox(QStringLiteral("Файл ") + name + ending, MsgIcon::Critical);
        return 1;
    }
    return G.FieldDialogOpens != 0 ? OpenPole(name, kForEditing) : SavePole(name);
}
