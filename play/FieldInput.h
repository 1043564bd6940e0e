#pragma once
// Keyboard and mouse input on the field and on the editor's palette, and the cursor square.

// Moves the green cursor square to a cell of the grid.
void KursorKvadrat(int col, int row);

void picPole_MouseDown(int button, int shift, int x, int y);
void picPole_MouseMove(int button, int shift, int x, int y);
void picPole_MouseUp(int button, int shift, int x, int y);
void picPole_KeyDown(int key, int shift);
void picPole_LostFocus();
void picZnaki_MouseUp(int button, int shift, int x, int y);
