#pragma once
// Mouse buttons and shift keys as the game's handlers expect them.

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState { kShift = 1, kCtrl = 2, kAlt = 4 };
