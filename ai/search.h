#pragma once
#include "ai/choose.h"
#include "rules/position.h"
#include <vector>

namespace ai {

// Level 3: the legal index that a paranoid search finds best for the seat to move, deepened
// one turn at a time until the deadline; the best move of the last depth searched to its
// end.
int searchChoice(const rules::Position& position, const std::vector<int>& legal, Clock::time_point deadline);

} // namespace ai
