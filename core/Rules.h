#pragma once
#include <cstdint>
// The numbers the game's rules are made of.

// Units of the robot's battery, full at the start of every level; a wrong pick costs one. The
// battery picture has a lamp for each (see lampX).
constexpr int32_t kBatteryCapacity = 5;

// A blinking lamp changes every tick and blinks for one second: spent, lit, spent … ending spent.
constexpr int kLampTickMs = 200;
constexpr int32_t kLampBlinkTicks = 1000 / kLampTickMs;
static_assert(kLampBlinkTicks % 2 == 1, "a blinking must start and end with the lamp spent");

// The most the panels show in full: five digits of harvest, four of the level. The game counts no
// further, and a saved game holding more is not one it wrote.
constexpr int32_t kMaxHarvest = 99999;
constexpr int32_t kMaxLevel = 9999;

// How long a hint's rings show.
constexpr int kHintRingsMs = 2000;
