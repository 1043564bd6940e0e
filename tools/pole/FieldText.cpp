#include "tools/pole/FieldText.h"

#include "tools/pole/FieldSource.h"

namespace {
QString bedText(int32_t sign) {
    if (sign == kEmpty)
        return QStringLiteral("  .");
    if (sign == kFence)
        return QStringLiteral("  #");
    return QStringLiteral("%1").arg(sign, 3);
}
}  // namespace

QString fieldText(const FieldFile& field) {
    const FieldGrid grid = gridOf(field.records);
    QString text = QStringLiteral("seed %1, N %2, shuffle %3\n\n   ")
                       .arg(field.seed)
                       .arg(field.records.size())
                       .arg(field.shuffleKinds);
    for (int col = 0; col < kCols; ++col)
        text += QStringLiteral("%1").arg(col, 3);
    text += QLatin1Char('\n');
    for (int row = 0; row < kRows; ++row) {
        text += QStringLiteral("%1").arg(row, 3);
        for (int col = 0; col < kCols; ++col)
            text += bedText(grid(col, row));
        text += QLatin1Char('\n');
    }
    return text;
}
