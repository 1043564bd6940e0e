#include "menu/Menu.h"

#include <QStringList>
#include <Qt>
#include <cmath>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "menu/Commands.h"
#include "play/FieldInput.h"
#include "ui/Events.h"
#include "ui/Forma.h"

namespace {
constexpr int kEntryPitch = 29;
constexpr int kTextLeft = 8;
constexpr int kBarLeft = 4;

int itemCount() { return int(G.MenuItems.size()); }

void paintEntry(int index, Rgb bar, Rgb text) {
    Surface& menu = forma().picMenu;
    menu.fillBox(kBarLeft, kEntryPitch * index + 4, G.MenuBarRight, kEntryPitch * index + 32, bar);
    menu.print(kTextLeft, kEntryPitch * index + 8, G.MenuItems.value(index), text);
}

void closeMenu() {
    Forma& f = forma();
    f.picKnMenu.cls();
    f.picMenu.setVisible(false);
    f.picPole.setFocus();
}
}  // namespace

int MenuHot() { return G.MenuHot; }
QString menuCaption(int index) { return G.MenuItems.value(index); }

void AddMenuItem(const QString& caption) {
    forma().picMenu.print(kTextLeft, kEntryPitch * itemCount() + 8, caption, kButtonText);
    G.MenuItems.append(caption);
}

void BuildMenu() {
    G.MenuItems.clear();
    G.MenuHot = 0;
    for (const MenuEntry& entry : menuEntries())
        AddMenuItem(QString::fromUtf8(entry.caption));
    Surface& menu = forma().picMenu;
    const int w = menu.width() - 1;
    const int h = menu.height() - 1;
    menu.outlineBox(0, 0, w - 1, h - 1, kButtonShadow);
    menu.outlineBox(1, 1, w, h, kMenuFrameLight);
    menu.outlineBox(0, 0, w, h, kWhite);
    menu.outlineBox(-1, -1, w, h, kBlack);
    G.MenuBarRight = w - 4;
}

void MenuNewLine(int index) {
    paintEntry(G.MenuHot, kButtonFace, kBlack);
    G.MenuHot = index;
    paintEntry(G.MenuHot, kHighlight, kHighlightText);
}

void OpenMenu() {
    Forma& f = forma();
    f.picKnMenu.paintWhole(f.picKnMenu2);
    MenuNewLine(0);
    f.picMenu.setVisible(true);
    DoEvents();
    f.picMenu.setFocus();
}

void RunMenuItem(const QString& caption) {
    Forma& f = forma();
    f.picKnMenu.cls();
    f.picMenu.setVisible(false);
    f.picPole.setFocus();
    DoEvents();
    // A close that waited in the queue has ended the program; nothing is left to run the command on.
    if (f.isOpen())
        runCommand(caption);
}

int menuEntryAt(int x, int y) {
    if (x < 2 || y < 2 || x > G.MenuBarRight || y > kEntryPitch * itemCount() - 4)
        return -1;
    // The nearest whole number to y - 4, halves to even, then divided with the quotient truncated.
    return int(std::nearbyint(double(y - 4))) / kEntryPitch;
}

void picKnMenu_MouseDown(int, int, int, int) {
    // The menu button does nothing while the field is busy, as F10 does.
    if (fieldBlocked())
        return;
    Forma& f = forma();
    f.picKnMenu.paintWhole(f.picKnMenu2);
    G.MenuWasShown = f.picMenu.isVisible() || G.MenuClosedByButton;
    G.MenuClosedByButton = false;
}

void picKnMenu_MouseUp(int, int, int x, int y) {
    // The menu button does nothing while the field is busy, as F10 does.
    if (fieldBlocked())
        return;
    // The button is a toggle: a press and release on it opens a closed menu and closes an open one.
    if (x >= 0 && x <= 40 && y >= 0 && y <= 88) {
        if (G.MenuWasShown)
            closeMenu();
        else
            OpenMenu();
        return;
    }
    forma().picKnMenu.cls();
}

void picMenu_MouseMove(int, int, int x, int y) {
    const int entry = menuEntryAt(x, y);
    if (entry >= 0)
        MenuNewLine(entry);
}

namespace {
// Input still queued for the menu after it closed, or arriving while a pick runs, must not start
// a command under the pick's feet.
bool menuTakesInput() { return forma().picMenu.isVisible() && !fieldBlocked(); }
}  // namespace

void picMenu_MouseUp(int, int, int x, int y) {
    if (!menuTakesInput())
        return;
    const int entry = menuEntryAt(x, y);
    if (entry >= 0)
        RunMenuItem(G.MenuItems[entry]);
}

void picMenu_KeyDown(int key, int) {
    switch (key) {
    case Qt::Key_F10:
    case Qt::Key_Escape:
        closeMenu();
        return;
    case Qt::Key_Up:
        MenuNewLine(G.MenuHot == 0 ? itemCount() - 1 : G.MenuHot - 1);
        return;
    case Qt::Key_Down:
        MenuNewLine(G.MenuHot + 1 == itemCount() ? 0 : G.MenuHot + 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (menuTakesInput())
            RunMenuItem(G.MenuItems[G.MenuHot]);
        return;
    default:
        return;
    }
}

void picMenu_LostFocus() {
    G.MenuClosedByButton = forma().picKnMenu.hasFocus();
    closeMenu();
}
