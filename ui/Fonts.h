#pragma once
#include <QFont>

// The game's fonts in pixel sizes, so the layout does not depend on the screen's dpi.
QFont serifFont(int pixelSize, bool bold = false);  // Liberation Serif, in place of Times New Roman
QFont sansFont(int pixelSize, bool bold = false);   // Liberation Sans, in place of MS Sans Serif

// Liberation Sans at 13 px for every window and message box that names no font of its own: the
// package brings that font, while the desktop's default may be missing on a minimal system.
constexpr int kInterfaceFontPixels = 13;
void useInterfaceFont();
