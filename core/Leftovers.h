#pragma once
#include <QString>

// The writer puts new bytes into a file beside the target, named as the target, a dot and six
// random letters and digits ("Tavik.ini.Q7hZ2k"), and renames it over the target once the bytes
// are on the disk. A write killed in between leaves such a file behind.

// A fresh temporary name beside path. It always mixes letters of both cases and digits, so that
// the start-up clean-up never takes it for a name a player chose.
QString temporaryNameFor(const QString& path);
// True when fileName is what a write to targetName may have left: the target's name, a dot and
// six letters and digits of more than one kind. "Tavik.ini.backup" is a player's own file.
bool isLeftoverOf(const QString& fileName, const QString& targetName);
// Removes what killed writes left beside the settings, players and leaders files in appFolder and
// beside the fields in fieldFolder (both end in a separator).
void removeLeftovers(const QString& appFolder, const QString& fieldFolder);
