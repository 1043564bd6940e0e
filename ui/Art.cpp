#include "ui/Art.h"

#include <cmath>

namespace {
constexpr int kFinestSheet = 4;

QImage sheet(const QString& name, int ratio) {
    const QString path = ratio == 1 ? QStringLiteral(":/data/art/%1.png").arg(name)
                                    : QStringLiteral(":/data/art/%1@%2x.png").arg(name).arg(ratio);
    QImage image(path);
    if (image.isNull())
        return image;
    // Qt reads "@2x" in a name as a pixel ratio; here every image pixel is drawn as one device pixel.
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

QImage artImage(const QString& name) { return sheet(name, 1); }

QImage artAt(const QString& name, qreal scale) {
    const QImage plain = artImage(name);
    const QSize size(qRound(plain.width() * scale), qRound(plain.height() * scale));
    for (int ratio = std::min(kFinestSheet, int(std::ceil(scale - 1e-6))); ratio >= 1; --ratio) {
        const QImage fine = ratio == 1 ? plain : sheet(name, ratio);
        if (fine.isNull())
            continue;
        return fine.size() == size ? fine : fine.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return plain;
}
