#include "core/FieldRecords.h"

#include <algorithm>
#include <array>

#include "core/Geometry.h"

namespace {
void appendField(QByteArray& text, int32_t value) {
    const QByteArray digits = QByteArray::number(value);
    text += QByteArray(2 - digits.size(), ' ') + digits;
}

// A two-character field: blanks before the digits, at least one digit.
std::optional<int32_t> fieldValue(char first, char second) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (first == ' ' && digit(second))
        return second - '0';
    if (digit(first) && digit(second))
        return (first - '0') * 10 + (second - '0');
    return std::nullopt;
}
}  // namespace

QByteArray recordText(const std::vector<CellRecord>& records) {
    QByteArray text;
    text.reserve(qsizetype(records.size()) * kRecordLength);
    for (const CellRecord& record : records) {
        appendField(text, record.Col);
        appendField(text, record.Row);
        appendField(text, record.Sign);
    }
    return text;
}

std::optional<std::vector<CellRecord>> parseRecords(QByteArrayView text, qsizetype count) {
    if (count < 0 || count > kCols * kRows || text.size() < count * kRecordLength)
        return std::nullopt;
    std::array<bool, kCols * kRows> taken{};
    std::vector<CellRecord> records;
    records.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        const char* r = text.data() + i * kRecordLength;
        const auto col = fieldValue(r[0], r[1]);
        const auto row = fieldValue(r[2], r[3]);
        const auto sign = fieldValue(r[4], r[5]);
        if (!col || !row || !sign || !insideGrid(*col, *row) || *sign > kLastCrop)
            return std::nullopt;
        bool& cell = taken[size_t(*row * kCols + *col)];
        if (cell)
            return std::nullopt;
        cell = true;
        records.push_back({*col, *row, *sign});
    }
    return records;
}

bool hasCrop(const std::vector<CellRecord>& records) {
    return std::any_of(records.begin(), records.end(),
                       [](const CellRecord& record) { return record.Sign >= kFirstCrop; });
}
