#pragma once
// The main window's own controls: the close button and the palette scroll bar.

void picExit_MouseDown(int button, int shift, int x, int y);
void picExit_MouseUp(int button, int shift, int x, int y);
// Moves the palette strip to follow the scroll bar, also while its thumb is dragged.
void HScroll1_Change();
