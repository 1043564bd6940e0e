#include "ui/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "ui/Art.h"
#include "ui/Zoom.h"

PictureBox::PictureBox(QWidget* parent, int width, int height, Rgb background, const QString& art)
    : QWidget(parent), background_(background), art_(art), picture_(art.isEmpty() ? QImage() : artImage(art)) {
    logical_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    resize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent, picture_.isNull() || !picture_.hasAlphaChannel());
    cls();
}

const QImage& PictureBox::pictureAt(qreal scale) const {
    if (scale == 1.0 || picture_.isNull())
        return picture_;
    if (scaledAt_ != scale) {
        scaled_ = artAt(art_, scale);
        scaledAt_ = scale;
    }
    return scaled_;
}

void PictureBox::cls() {
    record_.clear();
    logical_.fill(qcolour(background_));
    if (!picture_.isNull())
        QPainter(&logical_).drawImage(QPoint(0, 0), picture_);
    update();
}

void PictureBox::draw(Stroke stroke) {
    stroke.area &= logical_.rect();
    if (stroke.area.isEmpty())
        return;
    {
        QPainter painter(&logical_);
        paintStroke(painter, stroke, 1.0);
    }
    update(scaledRect(stroke.area, zoom_).adjusted(-1, -1, 1, 1));
    record_.add(std::move(stroke));
}

void PictureBox::fillRect(int x, int y, int w, int h, Rgb colour) {
    Stroke stroke;
    stroke.area = QRect(x, y, w, h);
    stroke.colour = colour;
    draw(std::move(stroke));
}

void PictureBox::drawPicture(int dx, int dy, const PictureBox& source, int sx, int sy, int w, int h) {
    Stroke stroke;
    stroke.kind = Stroke::Kind::Picture;
    stroke.area = QRect(dx, dy, w, h);
    stroke.source = &source;
    stroke.from = QPoint(sx, sy);
    // A part cut off by this box's edge is cut off the source too.
    stroke.from += stroke.area.intersected(logical_.rect()).topLeft() - stroke.area.topLeft();
    draw(std::move(stroke));
}

void PictureBox::drawImage(int dx, int dy, const QImage& source, int sx, int sy, int w, int h) {
    const qreal ratio = source.devicePixelRatio();
    Stroke stroke;
    stroke.kind = Stroke::Kind::Image;
    stroke.area = QRect(dx, dy, w, h);
    stroke.image = source;
    stroke.fromImage = QRectF(sx * ratio, sy * ratio, w * ratio, h * ratio);
    draw(std::move(stroke));
}

void PictureBox::print(int x, int y, const QString& text, Rgb colour) {
    Stroke stroke;
    stroke.kind = Stroke::Kind::Text;
    stroke.area = QFontMetrics(font()).boundingRect(QRect(x, y, 4096, 1024), kTextFlags, text);
    stroke.colour = colour;
    stroke.text = text;
    stroke.font = font();
    draw(std::move(stroke));
}

Rgb PictureBox::pixel(int x, int y) const { return logical_.pixel(x, y) & 0xFFFFFFu; }

void PictureBox::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal scale = zoom_ * devicePixelRatioF();
    if (scale == 1.0) {
        painter.drawImage(event->rect().topLeft(), logical_, event->rect());
        return;
    }
    // Drawn again from the record, in the screen's own pixels.
    painter.setClipRegion(event->region());
    painter.scale(1 / devicePixelRatioF(), 1 / devicePixelRatioF());
    const QRectF area = QRectF(event->rect()).adjusted(-1, -1, 1, 1);
    paintRecord(painter, scale,
                QRect(qFloor(area.left() / zoom_), qFloor(area.top() / zoom_), qCeil(area.width() / zoom_) + 1,
                      qCeil(area.height() / zoom_) + 1));
}

void PictureBox::paintRecord(QPainter& painter, qreal scale, const QRect& reached) const {
    painter.fillRect(scaledRect(reached, scale), qcolour(background_));
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), pictureAt(scale));
    for (const Stroke& stroke : record_.strokes())
        if (stroke.area.intersects(reached))
            paintStroke(painter, stroke, scale);
}

int mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::ControlModifier ? kCtrl : 0) |
           (modifiers & Qt::AltModifier ? kAlt : 0);
}

namespace {
// Buttons held during a move, in the game's numbering.
int heldButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) | (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}
}  // namespace

QPoint PictureBox::logicalPoint(const QPointF& at) const {
    return QPoint(qFloor(at.x() / zoom_), qFloor(at.y() / zoom_));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = logicalPoint(event->position());
    if (events.mouseDown)
        events.mouseDown(mouseButtonOf(event->button()), shiftStateOf(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = logicalPoint(event->position());
    if (events.mouseMove)
        events.mouseMove(heldButtons(event->buttons()), shiftStateOf(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = logicalPoint(event->position());
    if (events.mouseUp)
        events.mouseUp(mouseButtonOf(event->button()), shiftStateOf(event->modifiers()), at.x(), at.y());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (events.keyDown)
        events.keyDown(event->key(), shiftStateOf(event->modifiers()));
    else
        QWidget::keyPressEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Another application coming to the front moves no focus inside the game: the box gets it back
    // when the window is active again.
    if (event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (events.lostFocus)
        events.lostFocus();
}
