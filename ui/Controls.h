#pragma once
// The controls of the game's windows as the game logic sees them: narrow handles over the Qt
// widgets, so that core/, play/, menu/ … never touch a widget themselves.
#include <QString>
#include <functional>

#include "ui/Colors.h"

class QWidget;
class GameTimer;
class QScrollBar;
class QLabel;
class PictureBox;

// Anything that can be shown, hidden, moved and focused.
class Control {
public:
    explicit Control(QWidget* widget = nullptr) : widget_(widget) {}
    void setVisible(bool visible);
    bool isVisible() const;        // shown by its own flag, whatever its parents do
    void move(int left, int top);  // in logical pixels of the container's client area
    int left() const;
    int top() const;
    bool setFocus();               // false when the window cannot take the focus now
    bool hasFocus() const;
    QWidget* widget() const { return widget_; }

protected:
    QWidget* widget_;
};

// A picture box with retained drawing over its own stored picture.
class Surface : public Control {
public:
    explicit Surface(PictureBox* box = nullptr);
    // Drop everything drawn: the stored picture (or the background colour) shows again.
    void cls();
    void fillBox(int x1, int y1, int x2, int y2, Rgb colour);     // both corners included
    void outlineBox(int x1, int y1, int x2, int y2, Rgb colour);  // one pixel wide
    // Copies a rectangle of the source's stored picture, unscaled, replacing what was here.
    void paintPicture(const Surface& source, int dx, int dy, int sx, int sy, int w, int h);
    void paintWhole(const Surface& source);   // all of the source's picture at (0, 0)
    // Text with its top-left corner at (x, y) in the box's font.
    void print(int x, int y, const QString& text, Rgb colour);
    Rgb backColour() const;
    Rgb pixel(int x, int y) const;  // logical pixel as shown: picture plus drawing
    int width() const;
    int height() const;
    PictureBox* box() const;
};

// A line of text.
class Label : public Control {
public:
    explicit Label(QLabel* label = nullptr);
    void setCaption(const QString& caption);
    QString caption() const;
};

// The palette's horizontal scroll bar.
class ScrollBar : public Control {
public:
    explicit ScrollBar(QScrollBar* bar = nullptr);
    void setValue(int value);
    int value() const;
    int maximum() const;
};

// A window timer. Tests switch all timers to manual ticks and call the tick procedures themselves.
class Timer {
public:
    explicit Timer(GameTimer* timer = nullptr) : timer_(timer) {}
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setInterval(int milliseconds);
    int interval() const;
    // While manual, enabled timers never fire by themselves.
    static void setManualTicks(bool manual);

private:
    GameTimer* timer_;
};
