#include "ui/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Art.h"

namespace {
QColor qcolour(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }
}

PictureBox::PictureBox(QWidget* parent, int width, int height, Rgb background, const QImage& picture)
    : QWidget(parent), background_(background), picture_(picture) {
    const qreal ratio = artRatio();
    if (!picture_.isNull() && picture_.devicePixelRatio() != ratio) {
        picture_ = picture_.scaled(qRound(width * ratio), qRound(height * ratio), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        picture_.setDevicePixelRatio(ratio);
    }
    layer_ = QImage(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
    layer_.setDevicePixelRatio(ratio);
    resize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent, picture_.isNull() || !picture_.hasAlphaChannel());
    cls();
}

void PictureBox::cls() {
    layer_.fill(qcolour(background_));
    if (!picture_.isNull()) {
        QPainter painter(&layer_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    update();
}

void PictureBox::fillRect(int x, int y, int w, int h, Rgb colour) {
    QPainter painter(&layer_);
    painter.fillRect(QRect(x, y, w, h), qcolour(colour));
    update(QRect(x, y, w, h));
}

void PictureBox::drawImage(int dx, int dy, const QImage& source, int sx, int sy, int w, int h) {
    const qreal ratio = source.devicePixelRatio();
    QPainter painter(&layer_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(dx, dy, w, h), source, QRectF(sx * ratio, sy * ratio, w * ratio, h * ratio));
    update(QRect(dx, dy, w, h));
}

void PictureBox::print(int x, int y, const QString& text, Rgb colour) {
    QPainter painter(&layer_);
    painter.setFont(font());
    painter.setPen(qcolour(colour));
    const QRect area(x, y, 4096, 1024);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    update();
}

Rgb PictureBox::pixel(int x, int y) const {
    const qreal ratio = layer_.devicePixelRatio();
    return layer_.pixel(qFloor(x * ratio), qFloor(y * ratio)) & 0xFFFFFFu;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = layer_.devicePixelRatio();
    painter.drawImage(area, layer_,
                      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
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

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (events.mouseDown)
        events.mouseDown(mouseButtonOf(event->button()), shiftStateOf(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (events.mouseMove)
        events.mouseMove(heldButtons(event->buttons()), shiftStateOf(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
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
