// How long the field solver takes to decide random fields, beside a plain depth-first search
// without the two-left rule and without memory; and how long a hint takes on positions of the
// bundled fields, and whether hints alone clear them. Prints figures only.
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "core/Rnd.h"
#include "play/Route.h"
#include "solver/Advice.h"
#include "solver/PlainSearch.h"
#include "solver/Solver.h"
#include "tools/pole/FieldSource.h"

namespace {
constexpr int kFields = 200;
constexpr auto kSolverLimit = std::chrono::seconds(10);
constexpr auto kPlainLimit = std::chrono::seconds(1);
constexpr size_t kHintPositions = 2000;
constexpr unsigned kHintSeed = 18;

// `pairs` pairs of random kinds and `fences` fences on random beds, the same for the same seed.
FieldGrid randomField(int32_t seed, int pairs, int fences) {
    Rnd generator;
    generator.restart(seed);
    std::vector<int32_t> beds(kCols * kRows);
    for (int i = 0; i < pairs; ++i)
        beds[size_t(2 * i)] = beds[size_t(2 * i + 1)] = kFirstCrop + generator.below(kLastCrop - kFirstCrop + 1);
    std::fill_n(beds.begin() + 2 * pairs, fences, kFence);
    for (size_t i = beds.size(); i > 1; --i)
        std::swap(beds[i - 1], beds[size_t(generator.below(int32_t(i)))]);
    FieldGrid grid;
    for (int i = 0; i < kCols * kRows; ++i)
        grid(i % kCols, i / kCols) = beds[size_t(i)];
    return grid;
}

struct Figures {
    std::vector<double> ms;
    int harvestable = 0;
    int notHarvestable = 0;
    int undecided = 0;
};

Figures measure(const std::vector<FieldGrid>& fields, const std::function<Verdict(const FieldGrid&)>& decide) {
    Figures figures;
    for (const FieldGrid& field : fields) {
        QElapsedTimer clock;
        clock.start();
        const Verdict verdict = decide(field);
        figures.ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        figures.harvestable += verdict == Verdict::Harvestable;
        figures.notHarvestable += verdict == Verdict::NotHarvestable;
        figures.undecided += verdict == Verdict::Undecided;
    }
    return figures;
}

void print(const char* fields, const char* search, Figures figures) {
    std::sort(figures.ms.begin(), figures.ms.end());
    const auto overASecond = std::count_if(figures.ms.begin(), figures.ms.end(), [](double ms) { return ms > 1000; });
    std::printf("%-26s %-8s %11d %7d %9d %11.2f %11.2f %11.2f %9d\n", fields, search, figures.harvestable,
                figures.notHarvestable, figures.undecided, figures.ms[figures.ms.size() / 2],
                figures.ms[figures.ms.size() * 9 / 10], figures.ms.back(), int(overASecond));
}

std::vector<FieldGrid> bundledFields() {
    std::vector<FieldGrid> fields;
    const QDir folder(QStringLiteral(KELVARY_BUNDLED_FIELDS));
    for (const QString& name : folder.entryList({QStringLiteral("*.tvk")}, QDir::Files, QDir::Name))
        if (const FieldSource source = readFieldSource(folder.filePath(name)); source.field)
            fields.push_back(gridOf(source.field->records));
    return fields;
}

void harvest(FieldGrid& grid, const HarvestStep& step) {
    grid(step.fromCol, step.fromRow) = kEmpty;
    grid(step.toCol, step.toRow) = kEmpty;
}

// Every position of random games on the bundled fields, game after game, until there are enough.
std::vector<FieldGrid> positionsOfRandomPlay(const std::vector<FieldGrid>& fields) {
    std::mt19937 random(kHintSeed);
    std::vector<FieldGrid> positions;
    while (positions.size() < kHintPositions)
        for (FieldGrid grid : fields)
            for (std::vector<BedPair> pairs = joinablePairs(grid); !pairs.empty(); pairs = joinablePairs(grid)) {
                positions.push_back(grid);
                const BedPair& pair = pairs[random() % pairs.size()];
                harvest(grid, {pair.fromCol, pair.fromRow, pair.toCol, pair.toRow});
            }
    return positions;
}

void hintFigures() {
    const std::vector<FieldGrid> fields = bundledFields();
    std::vector<double> ms;
    int undecided = 0;
    for (const FieldGrid& position : positionsOfRandomPlay(fields)) {
        QElapsedTimer clock;
        clock.start();
        undecided += advisePair(position, kHintBudget).verdict == Verdict::Undecided;
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const auto overGoal = std::count_if(ms.begin(), ms.end(), [](double t) { return t > 50; });
    std::printf("\nhint (budget %lld ms): %zu positions of random play on %zu bundled fields; median %.2f ms, p99 %.2f ms, "
                "max %.2f ms, %d over 50 ms; %d undecided within the budget\n", qint64(kHintBudget.count()), ms.size(),
                fields.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), int(overGoal), undecided);
    int cleared = 0;
    double slowest = 0;
    for (FieldGrid grid : fields) {
        for (std::vector<HarvestStep> known;;) {
            QElapsedTimer clock;
            clock.start();
            const Advice advice = advisePair(grid, kHintBudget, known);
            slowest = std::max(slowest, double(clock.nsecsElapsed()) / 1e6);
            if (!advice.pair)
                break;
            harvest(grid, *advice.pair);
            known = advice.rest();
        }
        cleared += picturesOf(grid).empty();
    }
    std::printf("hints alone, from the start to the end: %d of %zu bundled fields cleared; slowest hint %.2f ms\n",
                cleared, fields.size(), slowest);
}

void compare(const char* name, int32_t firstSeed, int pairs, int fences) {
    std::vector<FieldGrid> fields;
    for (int i = 0; i < kFields; ++i)
        fields.push_back(randomField(firstSeed + i, pairs, fences));
    print(name, "solver", measure(fields, [](const FieldGrid& f) { return solveField(f, kSolverLimit).verdict; }));
    print(name, "plain", measure(fields, [](const FieldGrid& f) { return plainSearch(f, kPlainLimit); }));
}
}  // namespace

// `bench_solver hint` prints the hint's figures alone.
int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "hint") == 0) {
        hintFigures();
        return 0;
    }
    std::printf("%d fields each; solver limit %lld s, plain search capped at %lld s per field\n\n", kFields,
                qint64(kSolverLimit.count()), qint64(kPlainLimit.count()));
    std::printf("%-26s %-8s %11s %7s %9s %11s %11s %11s %9s\n", "fields", "search", "harvestable", "not", "undecided",
                "median ms", "p90 ms", "max ms", "over 1 s");
    compare("full (80 pairs)", 1000, 80, 0);
    compare("half (40 pairs, 8 fences)", 5000, 40, 8);
    hintFigures();
}
