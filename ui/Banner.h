#pragma once
#include <QImage>
#include <QLabel>

// The strip across the top of the main window. Its caption, when set, names the field in play in
// place of the motto drawn into the artwork; an empty caption shows the motto again.
class Banner : public QLabel {
public:
    explicit Banner(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage art_;        // the artwork at the device pixels the banner shows now
    qreal artScale_ = 0;
};
