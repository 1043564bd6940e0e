#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "core/FieldRecords.h"
#include "core/Geometry.h"
#include "solver/Solver.h"

// The fields that come with the game, from the gentle first bed to the full harvest. Each is a
// drawn shape; its crops are sown at random from a fixed seed until a sowing proves harvestable.

// Backward: pair after pair, each joinable when sown, so a shortest-route order finds its way.
// Scattered: crops dropped at random until a sowing proves harvestable.
enum class Sowing { Backward, Scattered };

struct FieldDesign {
    const char* name;  // the file name in UTF-8; sorted ignoring case, the list gives the order of levels
    int kinds;         // how many crop kinds are sown at random, each an even number of times
    int shuffle;       // the file's shuffle flag
    int32_t seed;      // of the sowing and of the file's scrambling
    // '#' a fence, 'o' a crop sown at random, '.' an empty bed, 'A' to 'Z' a crop placed by hand:
    // one letter, one kind
    std::array<const char*, kRows> beds;
    Sowing sowing = Sowing::Backward;

    QString fileName() const { return QString::fromUtf8(name); }
};
const std::vector<FieldDesign>& bundledDesigns();

struct SownField {
    std::vector<CellRecord> records;  // row-major, fences included
    int attempts = 0;                 // sowings tried, the harvestable one included
    SolverResult proof;
};
// Nothing when no sowing within the attempts allowed proved harvestable.
std::optional<SownField> sowHarvestable(const FieldDesign& design, std::chrono::steady_clock::duration perAttempt);

QByteArray bundledFileBytes(const FieldDesign& design, const SownField& field);
