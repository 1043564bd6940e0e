#pragma once
// The field's size and pixel geometry, named once and used everywhere.

constexpr int kCols = 16;            // columns 0..15
constexpr int kRows = 10;            // rows 0..9
constexpr int kCellWidth = 36;       // pitch across
constexpr int kCellHeight = 40;      // pitch down
constexpr int kPictureWidth = 32;    // a crop or fence picture
constexpr int kPictureHeight = 36;
constexpr int kPictureInset = 2;     // picture's offset inside its cell
constexpr int kFieldWidth = kCols * kCellWidth;    // 576: client area of picPole
constexpr int kFieldHeight = kRows * kCellHeight;  // 400
constexpr int kSignCount = 33;       // 1 fence + 32 crops
constexpr int kFlagSize = 16;        // a flag covers the picture's lower-right quarter

// The editor's palette: a strip of every picture, of which a window of 19 shows, scrolled a
// picture at a time.
constexpr int kPaletteWidth = kPictureWidth * kSignCount;                        // 1056
constexpr int kPaletteWindow = 19 * kPictureWidth;                               // 608
constexpr int kPaletteSteps = (kPaletteWidth - kPaletteWindow) / kPictureWidth;  // 14

// Picture codes of a cell.
constexpr int kEmpty = 0;
constexpr int kFence = 1;
constexpr int kFirstCrop = 2;
constexpr int kLastCrop = 33;

constexpr int cellX(int col) { return kCellWidth * col; }
constexpr int cellY(int row) { return kCellHeight * row; }
// Top-left corner of the robot or tractor icon standing on a cell.
constexpr int iconX(int col) { return cellX(col) + 2; }
constexpr int iconY(int row) { return cellY(row) + 4; }
constexpr bool insideGrid(int col, int row) { return col >= 0 && col < kCols && row >= 0 && row < kRows; }
