#include "play/Flags.h"

#include "core/Geometry.h"
#include "ui/Forma.h"

namespace {
// The flag covers the picture's lower-right quarter, 16 x 16 from (16, 20) inside the picture.
constexpr int kFlagLeft = 16;
constexpr int kFlagTop = 20;
// A white ring over the bed's rim, so the pick shows on red crops and green alike and in every
// colour vision; the crops never reach the rim.
constexpr int kRingWidth = 2;
constexpr Rgb kRingColour = kWhite;

int pictureX(int col) { return cellX(col) + kPictureInset; }
int pictureY(int row) { return cellY(row) + kPictureInset; }

// The rim's four strips, as rectangles inside the picture.
struct Strip {
    int x, y, w, h;
};
constexpr Strip kRim[] = {{0, 0, kPictureWidth, kRingWidth},
                          {0, kPictureHeight - kRingWidth, kPictureWidth, kRingWidth},
                          {0, kRingWidth, kRingWidth, kPictureHeight - 2 * kRingWidth},
                          {kPictureWidth - kRingWidth, kRingWidth, kRingWidth, kPictureHeight - 2 * kRingWidth}};
}  // namespace

void SetFlag(int col, int row, int sign) {
    Forma& f = forma();
    const int x = pictureX(col), y = pictureY(row);
    for (const Strip& s : kRim)
        f.picPole.fillBox(x + s.x, y + s.y, x + s.x + s.w - 1, y + s.y + s.h - 1, kRingColour);
    // The flag sheet carries the ring's corner.
    f.picPole.paintPicture(f.picFlagy, x + kFlagLeft, y + kFlagTop, kFlagSize * (sign - 1), 0, kFlagSize, kFlagSize);
}

void ClearFlag(int col, int row, int sign) {
    Forma& f = forma();
    const int x = pictureX(col), y = pictureY(row), sx = kPictureWidth * (sign - 1);
    f.picPole.paintPicture(f.picZnaki, x + kFlagLeft, y + kFlagTop, sx + kFlagLeft, kFlagTop, kFlagSize, kFlagSize);
    for (const Strip& s : kRim)
        f.picPole.paintPicture(f.picZnaki, x + s.x, y + s.y, sx + s.x, s.y, s.w, s.h);
}
