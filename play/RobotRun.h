#pragma once
// The robot's run along the route, and the harvest counter.

// One tick of the robot timer: one point further; at the end the pair is harvested.
void TimerDvigenieRobota();
void DrawHarvest();
// The harvest panel drawn again from nothing: blank at 0, as a game starts.
void showHarvest();
