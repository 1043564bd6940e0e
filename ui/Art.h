#pragma once
#include <QImage>
#include <QString>

// The artwork sheets compiled into the program, each at 1x and 2x.
qreal artRatio();                      // 2 on a high-density screen, else 1
QImage artImage(const QString& name);  // "znaki" → the sheet at artRatio(), null when missing
