#pragma once
#include <QWidget>

#include "ui/Forma.h"

class PictureBox;
class QLabel;

// The one main window: the field, the panels, the editor's palette and buttons, the menu and its
// button, the close button, the hidden image sheets and the three timers. It only shows and
// forwards: every event goes to the game's handler of the same name.
class frmForma : public QWidget {
    Q_OBJECT
public:
    frmForma();
    ~frmForma() override;
    Forma& controls() { return controls_; }
    static frmForma* instance();
    // The window's client area at the zoom in percent; setZoom also keeps it as the player's choice.
    void openAtZoom(int percent);
    void openAtStartZoom();
    void setZoom(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureBox* picture(QWidget* parent, int left, int top, int width, int height, const QString& art,
                        Rgb background = kButtonFace);
    QLabel* icon(QWidget* parent, int left, int top, const QString& art);
    void buildBanner();
    void buildField();
    void buildPanels();
    void buildPalette();
    void buildButtons();
    void buildSheets();
    void buildMenu();
    void buildTimers();
    void buildZoomKeys();
    void stepZoom(int direction);
    QSize availableArea() const;

    QWidget* stage_;
    Forma controls_;
};
