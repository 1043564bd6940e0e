#include "ui/DialogButton.h"

#include <QPushButton>

#include "ui/Fonts.h"

QPushButton* dialogButton(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setFont(sansFont(13, true));
    button->setAutoDefault(true);
    return button;
}
