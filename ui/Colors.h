#pragma once
#include <cstdint>

// Colours as 0xRRGGBB. The "system colours" are fixed to the classic desktop scheme, so the game
// looks the same on every desktop.
using Rgb = uint32_t;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGreen = 0x00FF00;         // the cursor square
constexpr Rgb kYellow = 0xFFFF00;        // a hint's rings
constexpr Rgb kButtonFace = 0xC0C0C0;
constexpr Rgb kButtonShadow = 0x808080;  // also the field's background
constexpr Rgb k3DHighlight = 0xFFFFFF;
constexpr Rgb kHighlight = 0x000080;
constexpr Rgb kHighlightText = 0xFFFFFF;
constexpr Rgb kButtonText = 0x000000;
constexpr Rgb kWindow = 0xFFFFFF;
constexpr Rgb kMenuFrameLight = 0xE0E0E0;
