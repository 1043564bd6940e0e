#include "core/MainFrame.h"

#include "core/Geometry.h"
#include "ui/Forma.h"

void picExit_MouseDown(int, int, int, int) {
    Forma& f = forma();
    f.picExit.paintWhole(f.picExit2);
}

void picExit_MouseUp(int, int, int x, int y) {
    Forma& f = forma();
    f.picExit.cls();
    if (x >= 0 && x <= 29 && y >= 0 && y <= 29)
        f.close();
}

void HScroll1_Change() {
    Forma& f = forma();
    f.picZnaki.move(-kPictureWidth * f.HScroll1.value(), 0);
}
