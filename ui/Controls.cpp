#include "ui/Controls.h"

#include <QLabel>
#include <QScrollBar>

#include "ui/GameTimer.h"
#include "ui/PictureBox.h"
#include "ui/Zoom.h"

void Control::setVisible(bool visible) { widget_->setVisible(visible); }
bool Control::isVisible() const { return !widget_->isHidden(); }
void Control::move(int left, int top) {
    placeLogical(widget_, QRect(QPoint(left, top), logicalGeometry(widget_).size()));
}
int Control::left() const { return logicalGeometry(widget_).x(); }
int Control::top() const { return logicalGeometry(widget_).y(); }

bool Control::setFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
    return hasFocus();
}

// The window's focus widget, so that focus can be checked even while the window is not active.
bool Control::hasFocus() const { return widget_->window()->focusWidget() == widget_; }

Surface::Surface(PictureBox* box) : Control(box) {}
PictureBox* Surface::box() const { return static_cast<PictureBox*>(widget_); }
void Surface::cls() { box()->cls(); }

void Surface::fillBox(int x1, int y1, int x2, int y2, Rgb colour) {
    box()->fillRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1, colour);
}

void Surface::outlineBox(int x1, int y1, int x2, int y2, Rgb colour) {
    fillBox(x1, y1, x2, y1, colour);
    fillBox(x1, y2, x2, y2, colour);
    fillBox(x1, y1, x1, y2, colour);
    fillBox(x2, y1, x2, y2, colour);
}

void Surface::paintPicture(const Surface& source, int dx, int dy, int sx, int sy, int w, int h) {
    box()->drawPicture(dx, dy, *source.box(), sx, sy, w, h);
}

void Surface::paintWhole(const Surface& source) {
    paintPicture(source, 0, 0, 0, 0, source.width(), source.height());
}

void Surface::print(int x, int y, const QString& text, Rgb colour) { box()->print(x, y, text, colour); }
Rgb Surface::backColour() const { return box()->background(); }
Rgb Surface::pixel(int x, int y) const { return box()->pixel(x, y); }
int Surface::width() const { return box()->logicalWidth(); }
int Surface::height() const { return box()->logicalHeight(); }

Label::Label(QLabel* label) : Control(label) {}
void Label::setCaption(const QString& caption) { static_cast<QLabel*>(widget_)->setText(caption); }
QString Label::caption() const { return static_cast<QLabel*>(widget_)->text(); }

ScrollBar::ScrollBar(QScrollBar* bar) : Control(bar) {}
void ScrollBar::setValue(int value) { static_cast<QScrollBar*>(widget_)->setValue(value); }
int ScrollBar::value() const { return static_cast<QScrollBar*>(widget_)->value(); }
int ScrollBar::maximum() const { return static_cast<QScrollBar*>(widget_)->maximum(); }

void Timer::setEnabled(bool enabled) { timer_->setEnabled(enabled); }
bool Timer::isEnabled() const { return timer_->isEnabled(); }
void Timer::setInterval(int milliseconds) { timer_->setInterval(milliseconds); }
int Timer::interval() const { return timer_->interval(); }
void Timer::setManualTicks(bool manual) { GameTimer::manualTicks = manual; }

bool GameTimer::manualTicks = false;

GameTimer::GameTimer(QObject* parent, int interval, std::function<void()> tick)
    : QObject(parent), tick_(std::move(tick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (enabled_)
            tick_();
    });
}

void GameTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled && !manualTicks && !timer_.isActive())
        timer_.start();
    else if (!enabled)
        timer_.stop();
}

void GameTimer::setInterval(int milliseconds) { timer_.setInterval(milliseconds); }
