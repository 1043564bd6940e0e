#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "core/FieldRecords.h"

// Field files "*.tvk" in the folder "Pole": the occupied cells, scrambled with a seeded substitution.

// The field a file holds; nothing when it is not a field file the game can lay out.
struct FieldFile {
    int32_t seed = 0;
    std::vector<CellRecord> records;
    int32_t shuffleKinds = 0;
};
std::optional<FieldFile> parseFieldFile(const QList<QByteArray>& lines);
QByteArray fieldFileBytes(const std::vector<CellRecord>& records, int32_t seed, int32_t shuffleKinds);

// Writes SownCells to FieldFolder + name: 0 when written or when the user declined to replace
// another file, 1 when it could not be written (reported).
int SavePole(const QString& name);
// Reads FieldFolder + name and lays it out: mode 1 for editing (failures reported), mode 2 as the
// next level (failures silent). 0 on success, 1 on failure with nothing changed.
int OpenPole(const QString& name, int mode);
