#include "ui/Art.h"

#include <QGuiApplication>

qreal artRatio() {
    static const qreal ratio = qApp && qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    return ratio;
}

QImage artImage(const QString& name) {
    if (artRatio() > 1.0) {
        QImage sharp(QStringLiteral(":/data/art/%1@2x.png").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
    QImage plain(QStringLiteral(":/data/art/%1.png").arg(name));
    return plain.isNull() ? plain : plain.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
