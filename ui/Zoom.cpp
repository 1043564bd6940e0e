#include "ui/Zoom.h"

#include <QLabel>
#include <QVariant>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "ui/Art.h"
#include "ui/PictureBox.h"

namespace {
int chosen = 0;
qreal shownScale = 1.0;

const char* const kScale = "kelvaryScale";
const char* const kLogical = "kelvaryLogical";
const char* const kFontPixels = "kelvaryFontPixels";
const char* const kArt = "kelvaryArt";

void scaleArt(QLabel* label, qreal scale) {
    const QString art = label->property(kArt).toString();
    if (art.isEmpty())
        return;
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(artAt(art, scale * ratio));
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
}
// The real geometry of a widget's logical rectangle: its edges rounded where they fall in the
// whole layout, so that nested widgets line up with the ones beside their parents.
QRect realGeometry(const QWidget* widget, QRect logical, qreal scale) {
    QPoint origin;
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->property(kScale).isValid();
         parent = parent->parentWidget())
        origin += logicalGeometry(parent).topLeft();
    return scaledRect(logical.translated(origin), scale)
        .translated(-QPoint(qRound(origin.x() * scale), qRound(origin.y() * scale)));
}
}  // namespace

void showArt(QLabel* label, const QString& art) {
    label->setProperty(kArt, art);
    scaleArt(label, layoutScale(label));
}

bool zoomFits(int percent, QSize area) {
    return qRound(kLogicalWindow.width() * percent / 100.0) <= area.width() &&
           qRound(kLogicalWindow.height() * percent / 100.0) <= area.height();
}

int firstStartZoom(QSize available) {
    const QSize share(available.width() * 2 / 3, available.height() * 2 / 3);
    int best = kZoomSteps[0];
    for (int step : kZoomSteps)
        if (zoomFits(step, share))
            best = step;
    return best;
}

int steppedZoom(double percent, int direction, QSize available) {
    const int* nearest = std::min_element(std::begin(kZoomSteps), std::end(kZoomSteps), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    for (const int* step = nearest + direction; step >= std::begin(kZoomSteps) && step < std::end(kZoomSteps);
         step += direction)
        if (zoomFits(*step, available) || *step == kZoomSteps[0])
            return *step;
    return *nearest;
}

int startZoom(QSize available) {
    return chosen != 0 && zoomFits(chosen, available) ? chosen : firstStartZoom(available);
}


int chosenZoom() { return chosen; }
void setChosenZoom(int percent) { chosen = isZoomStep(percent) ? percent : 0; }

QRect scaledRect(QRect logical, qreal scale) {
    const int left = qRound(logical.x() * scale), top = qRound(logical.y() * scale);
    return QRect(left, top, qRound((logical.x() + logical.width()) * scale) - left,
                 qRound((logical.y() + logical.height()) * scale) - top);
}

qreal layoutScale(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant scale = widget->property(kScale);
        if (scale.isValid())
            return scale.toReal();
    }
    return 1.0;
}

QRect logicalGeometry(const QWidget* widget) {
    const QVariant logical = widget->property(kLogical);
    if (logical.isValid())
        return logical.toRect();
    const qreal scale = layoutScale(widget->parentWidget());
    const QRect real = widget->geometry();
    return QRect(qRound(real.x() / scale), qRound(real.y() / scale), qRound(real.width() / scale),
                 qRound(real.height() / scale));
}

void placeLogical(QWidget* widget, QRect logical) {
    widget->setProperty(kLogical, logical);
    widget->setGeometry(realGeometry(widget, logical, layoutScale(widget->parentWidget())));
}

void scaleLayout(QWidget* root, qreal scale) {
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->property(kLogical).isValid())
            widget->setProperty(kLogical, logicalGeometry(widget));
        if (!qobject_cast<PictureBox*>(widget) && !widget->property(kFontPixels).isValid())
            widget->setProperty(kFontPixels, widget->font().pixelSize());
    }
    root->setProperty(kScale, scale);
    for (QWidget* widget : widgets) {
        widget->setGeometry(realGeometry(widget, widget->property(kLogical).toRect(), scale));
        if (auto* box = qobject_cast<PictureBox*>(widget)) {
            box->setZoom(scale);
            continue;
        }
        if (const int pixels = widget->property(kFontPixels).toInt(); pixels > 0) {
            QFont font = widget->font();
            font.setPixelSize(std::max(1, qRound(pixels * scale)));
            widget->setFont(font);
        }
        if (auto* label = qobject_cast<QLabel*>(widget))
            scaleArt(label, scale);
    }
}

qreal windowZoom() { return shownScale; }
void setWindowZoom(qreal scale) { shownScale = scale; }

void scaleWindow(QWidget* window, qreal scale) {
    if (scale == layoutScale(window))
        return;
    const bool fixed = window->minimumSize() == window->maximumSize();
    const QSize logical = logicalGeometry(window).size();
    const QSize least = window->minimumSize();
    scaleLayout(window, scale);
    QFont font = window->font();
    if (font.pixelSize() > 0) {
        font.setPixelSize(qRound(font.pixelSize() * scale));
        window->setFont(font);
    }
    const QSize shown = scaledRect(QRect(QPoint(0, 0), logical), scale).size();
    if (fixed) {
        window->setFixedSize(shown);
        return;
    }
    window->setMinimumSize(scaledRect(QRect(QPoint(0, 0), least), scale).size());
    window->resize(shown);
}
