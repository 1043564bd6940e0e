#pragma once
// Choosing a picture from the palette and sowing it on the field.
#include "ui/InputCodes.h"

// Chooses the picture under palette x coordinate x (0 the fence, 1024 the last crop).
void CHtoSeyat(int x);
// Places the chosen picture at the cursor (any button but the right), or removes it (right).
void PosevZnaka(MouseButton button);
// The shuffle toggle of the field being sown.
void picPeresadka_MouseUp(int button, int shift, int x, int y);
