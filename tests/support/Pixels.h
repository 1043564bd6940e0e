#pragma once
#include <QImage>
#include <QPoint>

#include "ui/Controls.h"

class PictureBox;
class QWidget;

// The stored picture of a sheet at a logical pixel (without anything drawn over it).
Rgb sheetPixel(const Surface& sheet, int x, int y);
// True when the w x h rectangle of the surface at (x, y) shows exactly the sheet's rectangle at (sx, sy).
bool showsSheet(const Surface& surface, int x, int y, const Surface& sheet, int sx, int sy, int w, int h);
// True when every pixel of the rectangle has the colour.
bool filledWith(const Surface& surface, int x, int y, int w, int h, Rgb colour);
// The picture of a cell as drawn shows picture `sign` of the strip.
bool cellShows(int col, int row, int sign);
bool cellIsEmpty(int col, int row);
// The battery lamp of a unit shows spent, or lit, as the lamp sheet draws them.
bool lampSpent(int unit);
bool lampLit(int unit);
// The cell's picture carries the flag of `sign` over its lower-right quarter.
bool flagged(int col, int row, int sign);
// The surface as the player sees it, with whatever is drawn over it.
QImage onScreen(const Surface& surface);
// Nothing is drawn over the surface's stored picture: a blank panel, a button with no face.
bool bare(const Surface& surface);
// A panel shows the number's digits right-aligned with the ones at onesX, and nothing left of them.
bool panelShows(const Surface& panel, int onesX, int n);
// Where a logical pixel's centre lies on the widget at the window's zoom: the same point at 100 %.
QPoint atZoom(const QWidget& widget, QPoint logical);
// A press and release of the button at one logical point of the box.
void click(PictureBox& box, QPoint at, Qt::MouseButton button = Qt::LeftButton);
