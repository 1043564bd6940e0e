#include "tools/pole/FieldPicture.h"

#include <QPainter>

QImage fieldPicture(const FieldGrid& grid) {
    const QImage sheet(QStringLiteral(":/data/art/znaki.png"));
    QImage picture(kFieldWidth, kFieldHeight, QImage::Format_RGB32);
    picture.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            // A 1-pixel pen strokes one pixel beyond the rectangle's size: this covers 36 x 40.
            painter.drawRect(cellX(col), cellY(row), kCellWidth - 1, kCellHeight - 1);
            const int sign = grid(col, row);
            if (sign != kEmpty)
                painter.drawImage(cellX(col) + kPictureInset, cellY(row) + kPictureInset, sheet,
                                  kPictureWidth * (sign - 1), 0, kPictureWidth, kPictureHeight);
        }
    return picture;
}
