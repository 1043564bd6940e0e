#pragma once
#include <QString>

#include "core/FieldFileFormat.h"

// Field files "*.tvk" in the folder "Pole", as the game saves and opens them.

// Writes SownCells to FieldFolder + name: 0 when written or when the user declined to replace
// another file, 1 when it could not be written (reported).
int SavePole(const QString& name);
// Reads FieldFolder + name and lays it out: mode 1 for editing (failures reported), mode 2 as the
// next level (failures silent). 0 on success, 1 on failure with nothing changed.
int OpenPole(const QString& name, int mode);
