#pragma once
#include <QString>
#include <optional>

#include "core/FieldFileFormat.h"
#include "core/FieldGrid.h"

// A field file read exactly as the game reads it, or why it cannot be.
struct FieldSource {
    std::optional<FieldFile> field;
    QString problem;  // for standard error when there is no field
};
FieldSource readFieldSource(const QString& path);

// The field as the player gets it laid out, crop kinds unshuffled.
FieldGrid gridOf(const std::vector<CellRecord>& records);
// And back: a record for every bed that is not empty, row by row.
std::vector<CellRecord> recordsOf(const FieldGrid& grid);
