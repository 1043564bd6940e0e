#pragma once
// The robot's run along the route, and the harvest counter.

// One tick of the robot timer: one point further; at the end the pair is harvested.
void TimerDvigenieRobota();
void DrawHarvest();
