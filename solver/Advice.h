#pragma once
#include <chrono>
#include <optional>
#include <vector>

#include "core/FieldGrid.h"
#include "solver/Pictures.h"

// The pair to harvest next, chosen by the exact solver within a time budget.
struct Advice {
    std::optional<HarvestStep> pair;  // none when no pair is joinable
    // Harvestable: the pair begins an order that clears the field. NotHarvestable: nothing clears
    // it any more, and the pair begins the longest harvest found. Undecided: the budget ran out
    // first, and the pair begins the best order found by then.
    Verdict verdict = Verdict::Undecided;
    std::vector<HarvestStep> order;  // when Harvestable, the whole clearing order, the pair first

    // What is left of the order once the pair is harvested: the next advice's `known`.
    std::vector<HarvestStep> rest() const {
        return order.empty() ? order : std::vector<HarvestStep>(order.begin() + 1, order.end());
    }
};

// What a hint in play may spend: well under the tenth of a second in which the window must answer.
constexpr auto kHintBudget = std::chrono::milliseconds(35);

// `known` is an order found earlier; when it still clears the field as it stands, it is the answer
// at once, so a player who follows the hints never waits on a search that might run out of time.
Advice advisePair(const FieldGrid& grid, std::chrono::steady_clock::duration budget,
                  const std::vector<HarvestStep>& known = {});
