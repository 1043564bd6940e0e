#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <vector>

#include "ui/Colors.h"

class PictureBox;
class QPainter;

// One thing drawn on a picture box, in the box's logical pixels, kept so that the box can draw it
// again at any scale.
struct Stroke {
    enum class Kind { Fill, Picture, Image, Text };
    Kind kind = Kind::Fill;
    QRect area;                         // where it lands on the box
    Rgb colour = 0;                     // Fill, Text
    const PictureBox* source = nullptr; // Picture: a rectangle of that box's stored picture ...
    QPoint from;                        // ... with this top-left corner
    QImage image;                       // Image: a picture from outside the artwork (a photo) ...
    QRectF fromImage;                   // ... this part of it, in its own pixels
    QString text;                       // Text, in this font
    QFont font;
};

inline QColor qcolour(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

// Draws the stroke on an image of the box at `scale` image pixels per logical pixel.
void paintStroke(QPainter& painter, const Stroke& stroke, qreal scale);

// Everything drawn since the box was last cleared, less what later fills and pictures covered,
// so a long game does not make it grow.
class DrawingRecord {
public:
    void clear() {
        strokes_.clear();
        shown_.clear();
    }
    void add(Stroke stroke);
    const std::vector<Stroke>& strokes() const { return strokes_; }

private:
    std::vector<Stroke> strokes_;
    std::vector<QRegion> shown_;  // of each stroke, the part still seen
};
