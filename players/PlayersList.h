#pragma once
#include <QString>
#include <cstdint>

// Changes to the players list. Names and photos are unique ignoring letter case.

// The message that refuses name and photo for the player at index edited (-1 for a new player),
// or an empty text when nobody else has either. The first clashing player decides, photo first.
QString playerClash(int32_t edited, const QString& name, const QString& photo);
// Stores the player at index edited, or as a new last player when edited is -1; the index used.
int32_t storePlayer(int32_t edited, const QString& name, const QString& photo);
void removePlayer(int32_t index);
