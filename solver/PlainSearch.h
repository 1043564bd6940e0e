#pragma once
#include <chrono>

#include "core/FieldGrid.h"
#include "solver/Pictures.h"

// The obvious search: every joinable pair in turn, depth first, nothing remembered. Exhaustive,
// so it settles small fields beyond doubt and shows what the solver's shortcuts are worth.
Verdict plainSearch(const FieldGrid& field, std::chrono::steady_clock::duration allowed);
