#pragma once
// The main window's zoom. The game draws and reads in logical pixels (the window is 640 x 554 of
// them); only ui/ knows how many screen pixels one of them takes.
#include <QRect>
#include <QSize>

#include "ui/ZoomSteps.h"

class QLabel;
class QString;
class QWidget;

constexpr QSize kLogicalWindow{640, 554};

// The largest step whose window fits in two thirds of the available area, never below 100 %.
int firstStartZoom(QSize available);
// The step after (direction 1) or before (-1) the one nearest to `percent`, skipping steps whose
// window would not fit the available area; `percent` itself when there is none.
int steppedZoom(double percent, int direction, QSize available);
bool zoomFits(int percent, QSize available);
// The zoom a run opens at: the one chosen if the screen takes it, else the first start's.
int startZoom(QSize available);
// A logical rectangle in pixels at the scale: edges rounded, so neighbours still meet.
QRect scaledRect(QRect logical, qreal scale);

// The zoom chosen by the player in this run or an earlier one, 0 when none was ever chosen.
int chosenZoom();
void setChosenZoom(int percent);

// Logical geometry of a window's widgets. Every widget keeps the rectangle the design gives it;
// its real geometry is that rectangle times the scale of the window it is in.
qreal layoutScale(const QWidget* widget);
QRect logicalGeometry(const QWidget* widget);
void placeLogical(QWidget* widget, QRect logical);
// Applies the scale to every widget under root: geometry, the pixel size of fonts, artwork.
void scaleLayout(QWidget* root, qreal scale);
// The scale the main window shows its layout at now; every dialog and message box opens at it.
qreal windowZoom();
void setWindowZoom(qreal scale);
// A dialog built at its logical size and geometry, made `scale` times larger: size, fonts, pictures.
void scaleWindow(QWidget* window, qreal scale);
// A label showing an artwork sheet, at the device's resolution whatever the scale.
void showArt(QLabel* label, const QString& art);
