#include "ui/Fonts.h"

#include <QApplication>

namespace {
QFont pixelFont(const char* family, int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
}  // namespace

QFont serifFont(int pixelSize, bool bold) { return pixelFont("Liberation Serif", pixelSize, bold); }
QFont sansFont(int pixelSize, bool bold) { return pixelFont("Liberation Sans", pixelSize, bold); }

void useInterfaceFont() { QApplication::setFont(sansFont(kInterfaceFontPixels)); }
