#include "tools/pole/BundledFields.h"

#include <algorithm>
#include <numeric>

#include "core/FieldFileFormat.h"
#include "core/Rnd.h"
#include "tools/pole/FieldSource.h"

namespace {
constexpr int kMostAttempts = 5000;

template <typename T>
void shuffled(std::vector<T>& items, Rnd& generator) {
    for (size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[size_t(generator.below(int32_t(i)))]);
}

// Every crop code once, in a random order: the first design.kinds are sown at random, the next
// go to the hand-placed letters A, B, ... in turn.
std::vector<int32_t> shuffledCodes(Rnd& generator) {
    std::vector<int32_t> codes(kLastCrop - kFirstCrop + 1);
    std::iota(codes.begin(), codes.end(), kFirstCrop);
    shuffled(codes, generator);
    return codes;
}

// The crop kind of each randomly sown pair: the design's kinds dealt out in turn.
std::vector<int32_t> pairKinds(const FieldDesign& design, const std::vector<int32_t>& codes, int pairs,
                               Rnd& generator) {
    std::vector<int32_t> kinds;
    for (int pair = 0; pair < pairs; ++pair)
        kinds.push_back(codes[size_t(pair % design.kinds)]);
    shuffled(kinds, generator);
    return kinds;
}

// What a drawn bed holds before any random sowing: a fence, a hand-placed crop or nothing.
int32_t drawnSign(const FieldDesign& design, const std::vector<int32_t>& codes, char bed) {
    if (bed == '#')
        return kFence;
    if (bed >= 'A' && bed <= 'Z')
        return codes[size_t(design.kinds + (bed - 'A'))];
    return kEmpty;
}

// The pairs' crops dropped on the beds at random.
std::vector<CellRecord> randomSowing(const FieldDesign& design, Rnd& generator) {
    const std::vector<int32_t> codes = shuffledCodes(generator);
    std::vector<CellRecord> records;
    std::vector<int32_t> crops;
    int beds = 0;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            const char bed = design.beds[size_t(row)][col];
            beds += bed == 'o';
            if (bed != '.')
                records.push_back({col, row, drawnSign(design, codes, bed)});
        }
    for (int32_t kind : pairKinds(design, codes, beds / 2, generator))
        crops.insert(crops.end(), 2, kind);
    shuffled(crops, generator);
    for (CellRecord& record : records)
        if (record.Sign == kEmpty) {
            record.Sign = crops.back();
            crops.pop_back();
        }
    return records;
}

// Sows pair after pair, each joinable on the field as it stands when sown: harvested in the
// reverse order, every pair still finds its route, so the shape decides the puzzle, not luck.
// Nothing when the beds left over cannot be paired that way.
std::optional<std::vector<CellRecord>> backwardSowing(const FieldDesign& design, Rnd& generator) {
    const std::vector<int32_t> codes = shuffledCodes(generator);
    FieldGrid grid;
    std::vector<Picture> beds;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            const char bed = design.beds[size_t(row)][col];
            grid(col, row) = drawnSign(design, codes, bed);
            if (bed == 'o')
                beds.push_back({col, row, kEmpty});
        }
    for (int32_t kind : pairKinds(design, codes, int(beds.size() / 2), generator)) {
        shuffled(beds, generator);
        // The bed with the fewest partners goes first, before the field closes in on it.
        std::vector<size_t> fewest;
        size_t fewestFirst = 0;
        for (size_t a = 0; a < beds.size(); ++a) {
            std::vector<size_t> partners;
            for (size_t b = 0; b < beds.size(); ++b)
                if (b != a && joinable(grid, beds[a], beds[b]))
                    partners.push_back(b);
            if (a == 0 || partners.size() < fewest.size()) {
                fewest = partners;
                fewestFirst = a;
            }
        }
        if (fewest.empty())
            return std::nullopt;
        const size_t partner = fewest[size_t(generator.below(int32_t(fewest.size())))];
        for (size_t i : {fewestFirst, partner})
            grid(beds[i].col, beds[i].row) = kind;
        beds.erase(beds.begin() + qsizetype(std::max(fewestFirst, partner)));
        beds.erase(beds.begin() + qsizetype(std::min(fewestFirst, partner)));
    }
    return recordsOf(grid);
}

}  // namespace

std::optional<SownField> sowHarvestable(const FieldDesign& design, std::chrono::steady_clock::duration perAttempt) {
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        // A crowded field cannot be sown backwards to the last pair; random crops may still do.
        // Scattered crops leave the order to the player, and with it the traps.
        Rnd generator;
        generator.restart(design.seed + attempt);
        std::optional<std::vector<CellRecord>> records =
            design.sowing == Sowing::Backward ? backwardSowing(design, generator) : std::nullopt;
        SownField field{records ? std::move(*records) : randomSowing(design, generator), attempt + 1, {}};
        field.proof = solveField(gridOf(field.records), perAttempt);
        if (field.proof.verdict == Verdict::Harvestable)
            return field;
    }
    return std::nullopt;
}

QByteArray bundledFileBytes(const FieldDesign& design, const SownField& field) {
    return fieldFileBytes(field.records, design.seed, design.shuffle);
}
