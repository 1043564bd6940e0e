#include "ui/PhotoBox.h"

#include <QPainter>

#include "players/Photo.h"
#include "ui/PictureBox.h"

void ShowPhoto(PictureBox& box, const QString& photoFile)
{
    box.cls();
    const QImage photo = loadPhoto(photoFile);
    if (photo.isNull()) {
        box.print(0, 0, QStringLiteral("Ошибка"), kButtonText);
        return;
    }
    // Transparent parts of a photo show the box behind it.
    QImage shown(photo.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(QColor::fromRgb(QRgb(0xFF000000u | box.background())));
    QPainter(&shown).drawImage(0, 0, photo);
    box.drawImage(0, 0, shown, 0, 0, shown.width(), shown.height());
}
