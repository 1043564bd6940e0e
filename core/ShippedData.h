#pragma once
#include <QString>

// The record, in the player's folder, of the bundled fields and photos (and the program folder's
// players, leaders and settings) ever copied into it. A line per file: its checksum when copied,
// a blank, its path under the folder.
inline constexpr char kCopiedRecord[] = ".kelvary-copied";
// Shipped beside the data: checksums of the fields and photos earlier versions shipped, so that
// copies they made, which their records name without a checksum, are known when unchanged.
inline constexpr char kShippedBefore[] = "shipped-before.sha1";

// Brings the player's folder up to date with the data the program ships, from a program folder
// or an install tree. A bundled field or photo, and a program folder's players, leaders and
// settings files, are copied once: one the record names, or one the folder already has, is left
// alone, so a field the player changed or a photo they deleted stays that way, while a newer
// version's new files still arrive. A bundled copy the player never changed follows a newer
// version: replaced when it ships a changed file, removed when it ships none. The help page, its pictures and the
// sound belong to the program and follow the shipped copy, so an upgrade reaches the player.
void copyShippedData(const QString& shipped, const QString& userFolder);
