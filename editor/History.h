#pragma once
#include <cstdint>
#include <vector>

// The editor's linear undo history: one record per sowing step.
struct HistoryStep {
    int32_t Col = 0;
    int32_t Row = 0;
    int32_t OldSign = 0;
    int32_t NewSign = 0;
};

struct HistoryState {
    std::vector<HistoryStep> History = std::vector<HistoryStep>(1);  // used from index 1
    int32_t HistoryPos = 0;    // the last applied step; 0 = nothing to undo
    int32_t HistoryCount = 0;  // the last valid step; beyond HistoryPos they can be redone
};
extern HistoryState H;

void resetHistory();
// Records a step at the cursor cell before the cell changes.
void recordStep(int32_t oldSign, int32_t newSign);
// After the recorded step is drawn: undo becomes available, redo is gone.
void showStepRecorded();
// -1 undoes one step, +1 redoes one.
void Izmenenit(int direction);

void picOtmenit_MouseDown(int button, int shift, int x, int y);
void picOtmenit_MouseUp(int button, int shift, int x, int y);
void picPovtorit_MouseDown(int button, int shift, int x, int y);
void picPovtorit_MouseUp(int button, int shift, int x, int y);
