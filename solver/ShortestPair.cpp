#include "solver/ShortestPair.h"

#include <algorithm>

#include "play/Route.h"

int routeLength(const FieldGrid& grid, const BedPairNumbers& pair) {
    return int(routeBetween(grid, PictureSet::colOf(pair.first), PictureSet::rowOf(pair.first),
                            PictureSet::colOf(pair.second), PictureSet::rowOf(pair.second))
                   .size());
}

BedPairNumbers shortestAllowed(const HarvestPosition& position, const std::vector<BedPairNumbers>& pairs,
                               const std::function<bool(const BedPairNumbers&)>& allowed, Rnd& generator) {
    const FieldGrid grid = position.grid();
    std::vector<std::pair<int, BedPairNumbers>> byLength;
    for (const BedPairNumbers& pair : pairs)
        byLength.push_back({routeLength(grid, pair), pair});
    std::stable_sort(byLength.begin(), byLength.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<BedPairNumbers> best;
    for (size_t first = 0; first < byLength.size() && best.empty();) {
        size_t end = first;
        for (; end < byLength.size() && byLength[end].first == byLength[first].first; ++end)
            if (allowed(byLength[end].second))
                best.push_back(byLength[end].second);
        first = end;
    }
    if (best.empty())
        for (size_t i = 0; i < byLength.size() && byLength[i].first == byLength[0].first; ++i)
            best.push_back(byLength[i].second);
    return best[size_t(generator.below(int32_t(best.size())))];
}

BedPairNumbers shortestOf(const HarvestPosition& position, const std::vector<BedPairNumbers>& pairs, Rnd& generator) {
    return shortestAllowed(position, pairs, [](const BedPairNumbers&) { return true; }, generator);
}
