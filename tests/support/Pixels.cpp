#include "support/Pixels.h"

#include <QImage>
#include <QTest>
#include <QtMath>

#include "core/Geometry.h"
#include "play/Battery.h"
#include "ui/Forma.h"
#include "ui/PictureBox.h"
#include "ui/Zoom.h"

Rgb sheetPixel(const Surface& sheet, int x, int y) {
    const QImage& picture = sheet.box()->picture();
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixel(qFloor(x * ratio), qFloor(y * ratio)) & 0xFFFFFFu;
}

bool showsSheet(const Surface& surface, int x, int y, const Surface& sheet, int sx, int sy, int w, int h) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if (surface.pixel(x + dx, y + dy) != sheetPixel(sheet, sx + dx, sy + dy))
                return false;
    return true;
}

bool filledWith(const Surface& surface, int x, int y, int w, int h, Rgb colour) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if (surface.pixel(x + dx, y + dy) != colour)
                return false;
    return true;
}

bool cellShows(int col, int row, int sign) {
    Forma& f = forma();
    return showsSheet(f.picPole, cellX(col) + kPictureInset, cellY(row) + kPictureInset, f.picZnaki,
                      kPictureWidth * (sign - 1), 0, kPictureWidth, kPictureHeight);
}

bool cellIsEmpty(int col, int row) {
    Forma& f = forma();
    return filledWith(f.picPole, cellX(col) + kPictureInset, cellY(row) + kPictureInset, kPictureWidth,
                      kPictureHeight, f.picPole.backColour());
}

bool flagged(int col, int row, int sign) {
    Forma& f = forma();
    return showsSheet(f.picPole, cellX(col) + 18, cellY(row) + 22, f.picFlagy, kFlagSize * (sign - 1), 0, kFlagSize,
                      kFlagSize);
}

bool lampSpent(int unit) {
    Forma& f = forma();
    return showsSheet(f.picAkamulyator, lampX(unit), kLampTop, f.picAkamulyator2, 20, 0, 20, 20);
}

bool lampLit(int unit) {
    Forma& f = forma();
    return showsSheet(f.picAkamulyator, lampX(unit), kLampTop, f.picAkamulyator2, 0, 0, 20, 20);
}

QImage onScreen(const Surface& surface) { return surface.widget()->grab().toImage(); }

bool bare(const Surface& surface) {
    return showsSheet(surface, 0, 0, surface, 0, 0, surface.width(), surface.height());
}

bool panelShows(const Surface& panel, int onesX, int n) {
    const QString digits = QString::number(n);
    for (int k = 0; k < digits.size(); ++k) {
        const int digit = digits.at(digits.size() - 1 - k).digitValue();
        if (!showsSheet(panel, onesX - 24 * k, 28, forma().picKG2, 18 * digit, 0, 18, 29))
            return false;
    }
    const int left = onesX - 24 * int(digits.size());
    return showsSheet(panel, left, 28, panel, left, 28, 18, 29);
}

QPoint atZoom(const QWidget& widget, QPoint logical) {
    const qreal scale = layoutScale(&widget);
    return QPoint(qFloor((logical.x() + 0.5) * scale), qFloor((logical.y() + 0.5) * scale));
}

void click(PictureBox& box, QPoint at, Qt::MouseButton button) {
    QTest::mousePress(&box, button, {}, atZoom(box, at));
    QTest::mouseRelease(&box, button, {}, atZoom(box, at));
}
