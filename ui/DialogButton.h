#pragma once
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// A push button of the game's dialogs, in their bold caption font. Enter presses the button that
// has the focus, as on every desktop; the dialog's default button answers Enter only when the focus
// is on something that is not a button.
QPushButton* dialogButton(QWidget* parent, const QString& caption, const QRect& place);
