#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

// The seeded substitution that scrambles a field file's text. Bytes 32..255 are permuted;
// bytes below 32 never occur in scrambled text and map to themselves.
using CharTable = std::array<uint8_t, 256>;

// Restarts the game's generator from the seed, so later draws continue after the table's.
CharTable scrambleTable(int32_t seed);
CharTable inverted(const CharTable& table);
QByteArray translated(QByteArrayView text, const CharTable& table);
