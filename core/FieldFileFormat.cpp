#include "core/FieldFileFormat.h"

#include "core/CharTable.h"
#include "core/TextFile.h"

namespace {
const QByteArray kMagic = QByteArrayLiteral("[tavik]");
}  // namespace

QByteArray fieldFileBytes(const std::vector<CellRecord>& records, int32_t seed, int32_t shuffleKinds) {
    const QByteArray scrambled = translated(recordText(records), scrambleTable(seed));
    return joinLines({kMagic, numberLine(seed), numberLine(int32_t(records.size())), scrambled,
                      numberLine(shuffleKinds)});
}

std::optional<FieldFile> parseFieldFile(const QList<QByteArray>& lines) {
    if (lines.size() < 5 || lines[0] != kMagic)
        return std::nullopt;
    const auto seed = parseNumber(lines[1]);
    const auto count = parseNumber(lines[2]);
    const auto shuffle = parseNumber(lines[4]);
    if (!seed || !count || !shuffle)
        return std::nullopt;
    // A damaged line 4 or count would put pictures outside the grid: the whole file is refused.
    const QByteArray plain = translated(lines[3], inverted(scrambleTable(*seed)));
    auto records = parseRecords(plain, *count);
    if (!records)
        return std::nullopt;
    return FieldFile{*seed, std::move(*records), *shuffle == 1 ? 1 : 0};
}
