#pragma once
#include <QString>

// The folder the game keeps its files in. A program folder (the build's, or a copy of it anywhere)
// is used as it is. An installed game, whose executable's folder cannot be written or which has
// its data in ../share/kelvary instead of beside it, keeps its files in the per-user data folder,
// filled from the installed data on first start.
QString programFolder(const QString& executableFolder);

// Copies every file of source (and of its subfolders) that target does not have yet.
void fillMissingFiles(const QString& source, const QString& target);
