#pragma once
#include <QString>

// The file dialogs for saved games: the save dialog when saveMode is set, otherwise the open
// dialog, both starting in the program's folder with initialName in the name box. They neither
// add an extension nor ask before replacing nor insist that the file exists: the caller does.
// The chosen full path, or empty when cancelled. Opened through showModal, so a test answers it.
QString ApiOpenSave(bool saveMode, const QString& initialName);
