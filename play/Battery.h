#pragma once
// The robot's battery: a wrong pick blinks the lamp of the lost unit; no charge ends the game.

void TimerAkamulyatorLampa();
// Takes one unit from the battery; its lamp blinks.
void spendBatteryUnit();
void ShowGameOver();
// Runs when the lamp and the robot have both come to rest after a blinking ended: an empty battery
// ends the game.
void EndGameIfBatteryFlat();
// Once the robot and the lamp are both at rest: the game ends on an empty battery, and a field
// without a joinable pair is announced.
void FieldAtRest();

// Where the lamp of a unit (0..4 from the left) sits on the battery panel.
int lampX(int unit);
constexpr int kLampTop = 31;
// Draws the lamp of a unit lit or spent.
void DrawLamp(int unit, bool spent);
// One lamp lit for each unit left, the others spent.
void showBatteryCharge();
