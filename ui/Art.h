#pragma once
#include <QImage>
#include <QString>

// The artwork sheets compiled into the program, each at 1x, 2x, 3x and 4x.
QImage artImage(const QString& name);  // "znaki" → the sheet, one pixel a logical pixel; null when missing
// The sheet at `scale` pixels per logical pixel, rounded to whole pixels: drawn from the finest
// sheet it needs, and only ever made smaller, so it is never blocky nor blurred by enlarging.
QImage artAt(const QString& name, qreal scale);
