#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/Colors.h"
#include "ui/InputCodes.h"

// What a picture box reports to the game.
struct PictureBoxEvents {
    std::function<void(int button, int shift, int x, int y)> mouseDown;
    std::function<void(int button, int shift, int x, int y)> mouseMove;  // button 0 when none held
    std::function<void(int button, int shift, int x, int y)> mouseUp;
    std::function<void(int key, int shift)> keyDown;  // key: a Qt::Key code
    std::function<void()> lostFocus;
};

// A widget that owns a persistent drawing layer over its stored picture. paintEvent only blits the
// layer; the game draws into it. The layer follows the screen's pixel ratio, coordinates stay logical.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, int width, int height, Rgb background, const QImage& picture = {});

    void cls();
    void fillRect(int x, int y, int w, int h, Rgb colour);
    void drawImage(int dx, int dy, const QImage& source, int sx, int sy, int w, int h);
    void print(int x, int y, const QString& text, Rgb colour);
    Rgb pixel(int x, int y) const;
    Rgb background() const { return background_; }
    const QImage& picture() const { return picture_; }  // the stored picture, at the layer's ratio

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
    Rgb background_;
    QImage picture_;
    QImage layer_;
};

int mouseButtonOf(Qt::MouseButton button);
int shiftStateOf(Qt::KeyboardModifiers modifiers);
