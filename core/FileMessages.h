#pragma once
#include <QString>

#include "core/TextFile.h"

// The messages every file of the game shares: "Файл " + name + what went wrong.

// Asks before replacing an existing file; true when the user answered Yes.
bool confirmReplace(const QString& name);
// Reports a failed write as protected or as not possible; true when there was a failure.
bool reportWriteFailure(const QString& name, WriteStatus status);
// Reports why a file could not be read: missing, unreadable, or (read fine) not the game's.
void reportUnreadable(const QString& name, OpenStatus status);
