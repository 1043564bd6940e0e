#include "support/FieldShot.h"

#include <QPainter>
#include <cstring>

#include "core/Geometry.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"

namespace {
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr int kFlagX = 16;  // the flag quarter within a picture
constexpr int kFlagY = 20;
constexpr int kRim = 2;  // the pick's ring over the picture's rim
}  // namespace

FieldShot::FieldShot() {
    Forma& f = forma();
    PictureBox& box = *f.picPole.box();
    Q_ASSERT(f.picZnaki.box()->picture().devicePixelRatio() == 1);
    pictures_ = f.picZnaki.box()->picture().convertToFormat(kFormat);
    // Every picture as a pick shows it: a white ring over the rim, the flag over the lower-right quarter.
    const QImage flags = f.picFlagy.box()->picture().convertToFormat(kFormat);
    flagged_ = pictures_.copy();
    QPainter paint(&flagged_);
    for (int sign = 1; sign <= kSignCount; ++sign) {
        const int x = kPictureWidth * (sign - 1);
        paint.fillRect(x, 0, kPictureWidth, kPictureHeight, Qt::white);
        paint.drawImage(x + kRim, kRim, pictures_, x + kRim, kRim, kPictureWidth - 2 * kRim, kPictureHeight - 2 * kRim);
        paint.drawImage(x + kFlagX, kFlagY, flags, kFlagSize * (sign - 1), 0, kFlagSize, kFlagSize);
    }
    background_ = QImage(kPictureWidth, kPictureHeight, kFormat);
    background_.fill(QColor::fromRgb(QRgb(0xFF000000u | f.picPole.backColour())));
    field_ = QImage(box.size(), kFormat);
    field_.fill(Qt::transparent);
    // Nothing but the box's own paint event: its layer blitted onto a transparent image is the layer.
    box.render(&field_, QPoint(), QRegion(), QWidget::RenderFlags());
}

bool FieldShot::matches(int x, int y, const QImage& source, int sx, int sy, int w, int h) const {
    for (int dy = 0; dy < h; ++dy) {
        const auto* shown = reinterpret_cast<const QRgb*>(field_.constScanLine(y + dy)) + x;
        const auto* wanted = reinterpret_cast<const QRgb*>(source.constScanLine(sy + dy)) + sx;
        if (std::memcmp(shown, wanted, size_t(w) * sizeof(QRgb)) != 0)
            return false;
    }
    return true;
}

FieldShot::Bed FieldShot::bed(int col, int row, int sign) const {
    const int x = cellX(col) + kPictureInset;
    const int y = cellY(row) + kPictureInset;
    if (sign == kEmpty)
        return matches(x, y, background_, 0, 0, kPictureWidth, kPictureHeight) ? Bed::Empty : Bed::Other;
    const int sx = kPictureWidth * (sign - 1);
    if (matches(x, y, pictures_, sx, 0, kPictureWidth, kPictureHeight))
        return Bed::Picture;
    if (matches(x, y, flagged_, sx, 0, kPictureWidth, kPictureHeight))
        return Bed::Flagged;
    return Bed::Other;
}
