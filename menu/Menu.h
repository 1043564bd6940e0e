#pragma once
#include <QString>
// The menu panel drawn inside the main window: every command of the game is one of its entries.

void BuildMenu();
void AddMenuItem(const QString& caption);
void OpenMenu();
void MenuNewLine(int index);
void RunMenuItem(const QString& caption);

void picKnMenu_MouseDown(int button, int shift, int x, int y);
void picKnMenu_MouseUp(int button, int shift, int x, int y);
void picMenu_MouseMove(int button, int shift, int x, int y);
void picMenu_MouseUp(int button, int shift, int x, int y);
void picMenu_KeyDown(int key, int shift);
void picMenu_LostFocus();

// The entry a point of the panel selects, or -1 outside the entries.
int menuEntryAt(int x, int y);
int MenuHot();
QString menuCaption(int index);
