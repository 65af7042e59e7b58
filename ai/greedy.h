#pragma once
#include "rules/position.h"
#include <random>
#include <vector>

namespace ai {

// Level 2: the legal index with the largest immediate gain. Among equal gains it takes the
// one that leaves the next seat the smallest gain, on the board as it stands after the turn,
// the jewels turned if the move turns them; then one of those at random.
int greedyChoice(const rules::Position& position, const std::vector<int>& legal, std::mt19937& rng);

// The largest gain the seat to move can make now; 0 when it can make none.
int bestGain(const rules::Position& position);

} // namespace ai
