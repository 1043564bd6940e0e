#include "tools/pole/FieldSource.h"

#include "core/TextFile.h"

FieldSource readFieldSource(const QString& path) {
    const TextLines file = readTextLines(path);
    if (file.status == OpenStatus::NotFound)
        return {std::nullopt, path + QStringLiteral(": no such file")};
    if (file.status == OpenStatus::Failed)
        return {std::nullopt, path + QStringLiteral(": cannot be read (a folder, unreadable, or too large)")};
    std::optional<FieldFile> field = parseFieldFile(file.lines);
    if (!field)
        return {std::nullopt,
                path + QStringLiteral(": not a field file the game can lay out (first line is not [tavik], or the "
                                      "numbers or the records are damaged)")};
    return {std::move(field), QString()};
}

FieldGrid gridOf(const std::vector<CellRecord>& records) {
    FieldGrid grid;
    for (const CellRecord& record : records)
        grid(record.Col, record.Row) = record.Sign;
    return grid;
}

std::vector<CellRecord> recordsOf(const FieldGrid& grid) {
    std::vector<CellRecord> records;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid(col, row) != kEmpty)
                records.push_back({col, row, grid(col, row)});
    return records;
}
