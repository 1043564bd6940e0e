#include "ui/Banner.h"

#include <QPainter>

#include "ui/Art.h"
#include "ui/Fonts.h"

namespace {
// Where the artwork carries its motto, in sky that shades only from top to bottom: a column of
// sky just left of it, stretched across, covers the motto without a seam.
const QRect kMotto(176, 18, 202, 32);
constexpr int kSkyColumn = 174;
constexpr int kTitleBaseline = 42;
const QColor kTitleColour(QRgb(0x2F6B1A));
}  // namespace

constexpr QRect kBanner(0, 0, 640, 68);

Banner::Banner(QWidget* parent) : QLabel(parent) { setGeometry(kBanner); }

// Drawn in logical pixels at whatever size the zoom gives it, from artwork as fine as the device.
void Banner::paintEvent(QPaintEvent*) {
    const qreal scale = width() / qreal(kBanner.width());
    const qreal device = scale * devicePixelRatioF();
    if (art_.isNull() || !qFuzzyCompare(artScale_, device)) {
        art_ = artAt(QStringLiteral("banner"), device);
        artScale_ = device;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    p.drawImage(QRectF(kBanner), art_);
    if (text().isEmpty())
        return;
    const qreal ratio = art_.width() / qreal(kBanner.width());
    const QRectF column(kSkyColumn * ratio, kMotto.top() * ratio, ratio, kMotto.height() * ratio);
    p.drawImage(QRectF(kMotto), art_, column);
    p.setFont(sansFont(17, true));
    p.setPen(kTitleColour);
    p.drawText(kMotto.left() + 2, kTitleBaseline, text());
}
