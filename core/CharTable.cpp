#include "core/CharTable.h"

#include "core/Rnd.h"

#include <algorithm>
#include <numeric>

CharTable scrambleTable(int32_t seed)
{
    Rnd& generator = rnd();
    generator.restart(seed);
    CharTable table;
    std::iota(table.begin(), table.end(), uint8_t(0));
    std::array<bool, 256> taken{};
    for (int c = 32; c < 256; ++c) {
        int r;
        do
            r = generator.below(224) + 32;
        while (taken[r]);
        taken[r] = true;
        table[r] = uint8_t(c);
    }
    return table;
}

CharTable inverted(const CharTable& table)
{
    CharTable inverse{};
    for (int c = 0; c < 256; ++c)
        inverse[table[c]] = uint8_t(c);
    return inverse;
}

QByteArray translated(QByteArrayView text, const CharTable& table)
{
    QByteArray result(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), result.begin(),
                   [&table](char c) { return char(table[uint8_t(c)]); });
    return result;
}
