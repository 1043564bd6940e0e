#include "core/Digits.h"

#include <QString>

#include "ui/Forma.h"

namespace {
constexpr int kDigitWidth = 18;
constexpr int kDigitHeight = 29;
constexpr int kDigitPitch = 24;
constexpr int kDigitTop = 28;
}  // namespace

void DrawDigits(Surface& panel, int value, int onesX, int maxDigits) {
    const QString digits = QString::number(value).left(maxDigits);
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        const int digit = digits.at(n - 1 - i).digitValue();
        if (digit < 0)
            continue;  // a minus sign has no picture
        panel.paintPicture(forma().picKG2, onesX - kDigitPitch * int(i), kDigitTop, kDigitWidth * digit, 0,
                           kDigitWidth, kDigitHeight);
    }
}
