#pragma once
#include <QString>

// The folder the game keeps its files in. A program folder (the build's, or a copy of it anywhere)
// that can be written is used as it is. Otherwise (a game installed under /usr, or a program
// folder copied somewhere read-only) the game keeps its files in the player's own data folder,
// filled on every start from the data it ships: beside the executable when the executable's
// folder has its fields, else in the install tree's share/games/kelvary.
QString programFolder(const QString& executableFolder, bool writable);
