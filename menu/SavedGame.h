#pragma once
#include <QString>

// Saving a game in progress to a "*.tgm" file anywhere, and going on with one later.

// "Сохранить" (saveAs clear: asks for a name only the first time) and "Сохранить как...".
void SaveGame(bool saveAs);
// Writes the game to the full path name, asking first when it would replace another file.
void WriteGameFile(const QString& name);
// "Продолжить игру": a damaged or foreign file is reported and leaves the game as it was.
void OpenGame();
// The 1-based position of the extension's dot in name; 0 when the file name has none.
int PoiskTochki(const QString& name);
