#pragma once
#include <chrono>
#include <optional>

#include "core/FieldGrid.h"
#include "solver/Pictures.h"

// The pair to harvest next, chosen by the exact solver within a time budget.
struct Advice {
    std::optional<HarvestStep> pair;  // none when no pair is joinable
    // Harvestable: the pair begins an order that clears the field. NotHarvestable: nothing clears
    // it any more, and the pair begins the longest harvest found. Undecided: the budget ran out
    // first, and the pair begins the best order found by then.
    Verdict verdict = Verdict::Undecided;
};

// What a hint in play may spend: well under the tenth of a second in which the window must answer.
constexpr auto kHintBudget = std::chrono::milliseconds(40);

Advice advisePair(const FieldGrid& grid, std::chrono::steady_clock::duration budget);
