#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/Colors.h"
#include "ui/DrawingRecord.h"
#include "ui/InputCodes.h"

// What a picture box reports to the game, in logical pixels.
struct PictureBoxEvents {
    std::function<void(int button, int shift, int x, int y)> mouseDown;
    std::function<void(int button, int shift, int x, int y)> mouseMove;  // button 0 when none held
    std::function<void(int button, int shift, int x, int y)> mouseUp;
    std::function<void(int key, int shift)> keyDown;  // key: a Qt::Key code
    std::function<void()> lostFocus;
};

// A widget that keeps what the game drew over its stored picture. The game draws and reads in
// logical pixels: a logical layer answers pixel() and is the picture at 100 % on a plain screen;
// at any other scale every paint draws the box again from the record of the drawing.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // `art` names the stored picture among the artwork sheets; none leaves the background colour.
    PictureBox(QWidget* parent, int width, int height, Rgb background, const QString& art = {});

    void cls();
    void fillRect(int x, int y, int w, int h, Rgb colour);
    // A rectangle of another box's stored picture, replacing what was here.
    void drawPicture(int dx, int dy, const PictureBox& source, int sx, int sy, int w, int h);
    // A picture from outside the artwork; its pixel ratio says how many of its pixels make a logical one.
    void drawImage(int dx, int dy, const QImage& source, int sx, int sy, int w, int h);
    void print(int x, int y, const QString& text, Rgb colour);
    Rgb pixel(int x, int y) const;
    Rgb background() const { return background_; }
    const QImage& picture() const { return picture_; }  // the stored picture, one pixel a logical pixel
    // The stored picture at so many image pixels per logical pixel, drawn from artwork that fine.
    const QImage& pictureAt(qreal scale) const;
    int logicalWidth() const { return logical_.width(); }
    int logicalHeight() const { return logical_.height(); }
    void setZoom(qreal zoom);
    // The box drawn again from its record at `scale`: the stored picture, then every stroke still
    // seen that reaches the logical rectangle.
    void paintRecord(QPainter& painter, qreal scale, const QRect& reached) const;

    PictureBoxEvents events;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab is not ours to take

private:
    void draw(Stroke stroke);
    QPoint logicalPoint(const QPointF& at) const;

    Rgb background_;
    QString art_;
    QImage picture_;
    QImage logical_;
    DrawingRecord record_;
    qreal zoom_ = 1.0;
    mutable QImage scaled_;  // pictureAt's last answer
    mutable qreal scaledAt_ = 0;
};

int mouseButtonOf(Qt::MouseButton button);
int shiftStateOf(Qt::KeyboardModifiers modifiers);
