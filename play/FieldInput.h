#pragma once
#include "ui/Colors.h"

// Keyboard and mouse input on the field and on the editor's palette, and the cursor square.

// No press, release or key may reach the field (or the menu button): a field is laid out, the
// tractor or the robot runs, or a pick is being handled.
bool fieldBlocked();

// Moves the green cursor square to a cell of the grid.
void KursorKvadrat(int col, int row);
// The cursor's ring, one pixel inside a bed's outline, in any colour.
void drawCursorRing(int col, int row, Rgb colour);
// Takes the first pick of a pair back.
void dropFirstPick();

void picPole_MouseDown(int button, int shift, int x, int y);
void picPole_MouseMove(int button, int shift, int x, int y);
void picPole_MouseUp(int button, int shift, int x, int y);
void picPole_KeyDown(int key, int shift);
void picPole_LostFocus();
void picZnaki_MouseUp(int button, int shift, int x, int y);
