#pragma once
#include <vector>

#include "core/FieldRecords.h"

// How the field gets onto the screen: every change of the field goes through these three.
enum AddZnakMode { kDrawSign = 0, kEraseCell = 2 };
enum PoleMode { kForEditing = 1, kForPlay = 2 };

// Draws the picture CurrentSign into a cell (and stores it), or erases the cell.
void AddZnak(AddZnakMode mode, int col, int row);
// Clears the field and sets the window up for the current GameMode.
void NewPole();
// Lays a whole field out, for editing or for play (shuffled, counted, maybe sown by the tractor).
void ShowPole(const std::vector<CellRecord>& records, PoleMode mode);
// Stops the robot, the tractor and the lamp, and gives the field back: nothing of a field that is
// left may go on drawing.
void StopFieldActivity();
// The black outline of every cell.
void DrawGrid();
