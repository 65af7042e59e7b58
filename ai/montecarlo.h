#pragma once
#include "ai/thinkclock.h"
#include "rules/position.h"
#include <random>

namespace ai {

// Levels 3 and 4: the move of the seat to move that a Monte-Carlo tree search plays most,
// the index placed or Tree::PassMove. Each of threads searches a tree of its own for the
// whole budget; their counts are added at the end, so they share nothing while they run.
int treeChoice(const rules::Position& position, const Budget& budget, int threads, std::mt19937& rng);

} // namespace ai
