#pragma once
#include <QString>

#include "core/FieldDisplay.h"
#include "core/FieldFileFormat.h"

// Field files "*.tvk" in the folder "Pole", as the game saves and opens them.

// Writes SownCells to FieldFolder + name: 0 when written or when the user declined to replace
// another file, 1 when it could not be written (reported).
int SavePole(const QString& name);
// Reads FieldFolder + name and lays it out: for editing (failures reported), or for play as the
// next level (failures silent). 0 on success, 1 on failure with nothing changed.
int OpenPole(const QString& name, PoleMode mode);
