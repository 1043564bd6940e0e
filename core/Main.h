#pragma once
#include <QString>

// Start-up: finds the folders, reads the settings, shows the main window with the empty field and
// opens the menu.
void Main(const QString& programFolder);

// The folder with exactly one trailing separator: "\" when the text holds one, otherwise "/".
QString withSeparator(const QString& folder);
