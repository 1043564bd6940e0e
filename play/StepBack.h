#pragma once
// The player's step back in play: the last harvested pair of the level returns to its beds.

// Ctrl+Z or Backspace. Costs one battery unit, refused below two; each call goes one pair further
// back within the level.
void OtmenaHoda();
