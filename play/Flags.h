#pragma once
// Flags over a picture's lower-right quarter, with a white ring over its rim: the picked pictures
// in play, the unpaired ones in the editor. They only paint; the field itself does not change.

void SetFlag(int col, int row, int sign);
void ClearFlag(int col, int row, int sign);  // repaints the quarter and the rim from the picture strip
