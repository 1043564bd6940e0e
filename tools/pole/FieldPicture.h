#pragma once
#include <QImage>

#include "core/FieldGrid.h"

// The field drawn as the player sees it once it is laid out: grey ground, black bed outlines and
// the crop and fence pictures from the game's own sheet. Needs a QGuiApplication.
QImage fieldPicture(const FieldGrid& grid);
