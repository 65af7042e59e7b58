#pragma once
#include "rules/position.h"

namespace ai {

// Value of a won game; the score margin is added, so that larger wins count for more.
inline constexpr int WinValue = 1'000'000;

// How good the position is for seat: higher is better. A finished game is worth about
// ±WinValue; any other the score lead with what the board promises.
int evaluate(const rules::Position& position, int seat);

} // namespace ai
