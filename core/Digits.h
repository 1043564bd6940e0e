#pragma once
class Surface;

// Draws a number's digits right-aligned from the digit sheet, 24 pixels apart, at y = 28; the
// ones digit starts at onesX. Only the first maxDigits digits of a longer number are drawn.
void DrawDigits(Surface& panel, int value, int onesX, int maxDigits);

constexpr int kHarvestOnesX = 119;  // harvest panel: at most 7 digits
constexpr int kLevelOnesX = 75;     // level panel: at most 5 digits
