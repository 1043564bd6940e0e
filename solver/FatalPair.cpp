#include "solver/FatalPair.h"

#include <algorithm>

#include "solver/Clearable.h"

int pairsAfterFatalPair(const std::vector<HarvestPosition>& positions, long& work, bool& approximate) {
    // Clearable only ever turns into not clearable along an order, and the dead end is near:
    // walking back from it asks the solver about the smallest positions first.
    const int last = int(positions.size()) - 1;
    int back = last - 1;
    for (; back > 0; --back) {
        const Clearable answer = clearable(positions[size_t(back)]);
        work += answer.positions;
        approximate = approximate || answer.verdict == Verdict::Undecided;
        if (answer.verdict != Verdict::NotHarvestable)
            break;
    }
    return last - back;
}

double median(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}
