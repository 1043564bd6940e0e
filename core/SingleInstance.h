#pragma once
#include <QString>

// The lock file in the player's folder that keeps a second copy of the game away.
inline constexpr char kFolderLock[] = ".kelvary-lock";

// Claims the folder for this process until it ends: two copies on one folder would each overwrite
// the other's players, records and settings. When another running copy holds it, says so and
// gives false. A lock left by a copy that crashed is taken over; a folder where no lock can be made
// at all (read-only) does not stop the game.
bool claimFolder(const QString& folder);
