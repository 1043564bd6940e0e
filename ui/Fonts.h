#pragma once
#include <QFont>

// The game's fonts in pixel sizes, so the layout does not depend on the screen's dpi.
QFont serifFont(int pixelSize, bool bold = false);  // Liberation Serif, in place of Times New Roman
QFont sansFont(int pixelSize, bool bold = false);   // Liberation Sans, in place of MS Sans Serif
