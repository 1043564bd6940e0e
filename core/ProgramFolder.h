#pragma once
#include <QString>

// The folder the game keeps its files in. A program folder (the build's, or a copy of it anywhere)
// is used as it is. An installed game, whose executable's folder cannot be written or which has
// its data in ../share/kelvary instead of beside it, keeps its files in the per-user data folder,
// filled from the installed data on every start.
QString programFolder(const QString& executableFolder);

// Brings the per-user folder up to date with the installed data: the player's folders "Pole" and
// "Photo" only get the files they lack (a field the player changed stays as it is); everything
// else installed (help page, its pictures, sound) belongs to the program and follows the
// installed copy, so an upgrade reaches the player.
void copyInstalledData(const QString& installed, const QString& userFolder);
