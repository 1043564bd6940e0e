#include "play/Flags.h"

#include "core/Geometry.h"
#include "ui/Forma.h"

namespace {
// The flag covers the picture's lower-right quarter, 16 x 16 from (16, 20) inside the picture.
constexpr int kFlagLeft = 16;
constexpr int kFlagTop = 20;
int flagX(int col) { return cellX(col) + kPictureInset + kFlagLeft; }
int flagY(int row) { return cellY(row) + kPictureInset + kFlagTop; }
}  // namespace

void SetFlag(int col, int row, int sign) {
    Forma& f = forma();
    f.picPole.paintPicture(f.picFlagy, flagX(col), flagY(row), kFlagSize * (sign - 1), 0, kFlagSize, kFlagSize);
}

void ClearFlag(int col, int row, int sign) {
    Forma& f = forma();
    f.picPole.paintPicture(f.picZnaki, flagX(col), flagY(row), kPictureWidth * (sign - 1) + kFlagLeft, kFlagTop,
                           kFlagSize, kFlagSize);
}
