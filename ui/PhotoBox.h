#pragma once
#include <QString>

class PictureBox;

// Shows a player's photo at its own size from the top-left corner, or "Ошибка" when the file is
// missing or no picture.
void ShowPhoto(PictureBox& box, const QString& photoFile);
