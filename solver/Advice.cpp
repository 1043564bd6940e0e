#include "solver/Advice.h"

#include "play/Route.h"
#include "solver/Solver.h"

namespace {
using Clock = std::chrono::steady_clock;

// A picture no order ever joins stands for good, just like a fence; fencing it lets the search
// go on for the longest harvest of the rest.
bool fenceNeverJoined(FieldGrid& grid, const SolverResult& result) {
    for (const Picture& p : result.neverJoined)
        grid(p.col, p.row) = kFence;
    return !result.neverJoined.empty();
}
}  // namespace

Advice advisePair(const FieldGrid& grid, Clock::duration budget, const std::vector<HarvestStep>& known) {
    if (!known.empty() && replaysToEmpty(grid, known))
        return {known.front(), Verdict::Harvestable, known};
    const Clock::time_point end = Clock::now() + budget;
    FieldGrid searched = grid;
    SolverResult result = solveField(searched, budget);
    Advice advice{std::nullopt, result.verdict, result.order};
    while (result.oddKinds.empty() && fenceNeverJoined(searched, result) && Clock::now() < end)
        result = solveField(searched, end - Clock::now());
    if (!result.longest.empty()) {
        advice.pair = result.longest.front();
    } else if (const std::optional<BedPair> any = firstJoinablePair(grid)) {
        advice.pair = HarvestStep{any->fromCol, any->fromRow, any->toCol, any->toRow};
    }
    return advice;
}
