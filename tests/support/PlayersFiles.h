#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class QListWidget;

// Players files and photos made for a test by hand, so the code under test never checks itself.
QByteArray cp1251(const QString& text);
// "[tavik_igroki]" and the players as (name, photo).
QByteArray playersFileOf(const std::vector<std::pair<QString, QString>>& players);

// A photo whose colour tells where it was taken from: red left of x 50, green to x 100, blue from
// there on, and black from y 70 down, so a scaled photo shows other colours.
QRgb stripeColour(int x, int y);
QImage stripedPhoto(int width, int height);
// Qt writes no GIF, so the test makes its own: up to 128 colours, stored uncompressed.
QByteArray gifOf(const QImage& image);
bool nearColour(QRgb shown, QRgb expected);  // within what JPEG keeps of pure colours

// Typing any text, Cyrillic included, key by key.
void typeText(QWidget* widget, const QString& text);
// The user's clicks on a list line.
void clickLine(QListWidget* list, int row);
void doubleClickLine(QListWidget* list, int row);
