#pragma once
#include <QString>
#include <span>

// One entry of the in-window menu: its caption, in the order shown, and what it does.
struct MenuEntry {
    const char* caption;  // UTF-8
    void (*command)();
};

// The menu's entries, written once: the menu is built from them and runs them.
std::span<const MenuEntry> menuEntries();
// Carries out the menu entry with this caption; a caption not in the table does nothing.
void runCommand(const QString& caption);
