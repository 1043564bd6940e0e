#include "solver/Clearable.h"

#include "solver/Solver.h"

Clearable clearable(const HarvestPosition& position) {
    const SolverResult solved =
        solveField(position.grid(), std::chrono::hours(1), kFirstAllowance, kMostSolverPositions);
    Clearable result{solved.verdict, {}, solved.positions};
    for (const HarvestStep& step : solved.order) {
        const int from = PictureSet::bed(step.fromCol, step.fromRow);
        const int to = PictureSet::bed(step.toCol, step.toRow);
        result.order.push_back({std::min(from, to), std::max(from, to)});
    }
    return result;
}
