// Time of one route search, over every ordered pair of cells on a few fields.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "play/Route.h"

namespace {

constexpr int kCalls = 40;   // per batch, to lift one search above the clock's resolution
constexpr int kBatches = 3;  // per pair; the fastest counts, so a preempted batch does not pose as the worst pair

struct Figures {
    double medianNs = 0;
    double maxNs = 0;
    int worstFrom[2] = {};
    int worstTo[2] = {};
    int routes = 0;
    int pairs = 0;
};

volatile size_t sink;

// Every ordered pair of distinct cells on `base`, those two cells turned into equal crops.
Figures measure(const FieldGrid& base) {
    Figures f;
    std::vector<double> perCall;
    perCall.reserve(kCols * kRows * kCols * kRows);
    for (int fc = 0; fc < kCols; ++fc)
        for (int fr = 0; fr < kRows; ++fr)
            for (int tc = 0; tc < kCols; ++tc)
                for (int tr = 0; tr < kRows; ++tr) {
                    if (fc == tc && fr == tr)
                        continue;
                    FieldGrid grid = base;
                    grid(fc, fr) = kFirstCrop;
                    grid(tc, tr) = kFirstCrop;
                    size_t points = 0;
                    double ns = 1e300;
                    for (int batch = 0; batch < kBatches; ++batch) {
                        points = 0;
                        const auto start = std::chrono::steady_clock::now();
                        for (int i = 0; i < kCalls; ++i)
                            points += routeBetween(grid, fc, fr, tc, tr).size();
                        const auto stop = std::chrono::steady_clock::now();
                        ns = std::min(ns, std::chrono::duration<double, std::nano>(stop - start).count() / kCalls);
                    }
                    sink = sink + points;
                    perCall.push_back(ns);
                    ++f.pairs;
                    f.routes += points > 0;
                    if (ns > f.maxNs) {
                        f.maxNs = ns;
                        f.worstFrom[0] = fc; f.worstFrom[1] = fr;
                        f.worstTo[0] = tc; f.worstTo[1] = tr;
                    }
                }
    std::nth_element(perCall.begin(), perCall.begin() + perCall.size() / 2, perCall.end());
    f.medianNs = perCall[perCall.size() / 2];
    return f;
}

FieldGrid scattered(unsigned seed, int percentFilled, int percentFence) {
    std::mt19937 rng(seed);
    FieldGrid grid;
    for (int c = 0; c < kCols; ++c)
        for (int r = 0; r < kRows; ++r)
            if (int(rng() % 100) < percentFilled)
                grid(c, r) = int(rng() % 100) < percentFence ? kFence : kFirstCrop + 1 + int(rng() % 31);
    return grid;
}

void report(const char* name, const FieldGrid& grid) {
    const Figures f = measure(grid);
    std::printf("%-34s median %7.1f ns  max %8.1f ns  (worst (%d,%d)->(%d,%d))  routes %5d of %d pairs\n", name,
                f.medianNs, f.maxNs, f.worstFrom[0], f.worstFrom[1], f.worstTo[0], f.worstTo[1], f.routes, f.pairs);
}

}  // namespace

int main() {
    std::printf("routeBetween, ns per call over all ordered pairs (fastest of %d batches of %d calls)\n", kBatches,
                kCalls);
    report("empty field, only the pair", FieldGrid{});

    // Every cell but the top row, bottom row and right column fenced: long searches, few routes.
    FieldGrid corridor;
    for (int c = 0; c < kCols - 1; ++c)
        for (int r = 1; r < kRows - 1; ++r)
            corridor(c, r) = kFence;
    report("fenced but for a border corridor", corridor);

    report("many fences (60% filled)", scattered(7, 60, 70));
    report("half-full field of crops", scattered(11, 50, 0));
    report("nearly full field (85% filled)", scattered(23, 85, 20));
    return 0;
}
