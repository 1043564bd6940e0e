#pragma once
// What every fuzz target of the game's readers shares.
#include <cstdlib>
#include <vector>

#include "core/FieldRecords.h"
#include "core/Geometry.h"
#include "core/TextFile.h"

// The fuzzer's bytes as the lines of a file, split as the game splits them.
inline QList<QByteArray> fuzzLines(const uint8_t* data, size_t size) {
    return splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
}

// A field a reader accepted must never draw outside the grid or use a picture that is not there.
inline void requireInsideGrid(const std::vector<CellRecord>& cells) {
    for (const CellRecord& cell : cells)
        if (!insideGrid(cell.Col, cell.Row) || cell.Sign < kEmpty || cell.Sign > kLastCrop)
            std::abort();
}
