#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

// One occupied cell as the field files, saved games and the start field keep it.
struct CellRecord {
    int32_t Col = 0;
    int32_t Row = 0;
    int32_t Sign = 0;
    bool operator==(const CellRecord&) const = default;
};

constexpr int kRecordLength = 6;  // column, row and code, each right-aligned in two characters

// " 3 416" for column 3, row 4, code 16.
QByteArray recordText(const std::vector<CellRecord>& records);

// The first count records of text. Nothing when the text is too short or any record is not three
// numbers naming a cell of the grid and a code 0..33, or names a cell twice: such a field would be
// drawn outside the grid or could never be finished.
std::optional<std::vector<CellRecord>> parseRecords(QByteArrayView text, qsizetype count);

// A field without a single crop could never be finished as a level.
bool hasCrop(const std::vector<CellRecord>& records);
