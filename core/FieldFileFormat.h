#pragma once
#include <QByteArray>
#include <QList>
#include <optional>
#include <vector>

#include "core/FieldRecords.h"

// The bytes of a field file "*.tvk": the occupied cells, scrambled with a seeded substitution.
// Kept apart from the window code so a fuzzer can feed it whatever it likes.

// The field a file holds.
struct FieldFile {
    int32_t seed = 0;
    std::vector<CellRecord> records;
    int32_t shuffleKinds = 0;
};
// Nothing when the lines are not a field file the game could lay out without going outside the grid.
std::optional<FieldFile> parseFieldFile(const QList<QByteArray>& lines);
QByteArray fieldFileBytes(const std::vector<CellRecord>& records, int32_t seed, int32_t shuffleKinds);
