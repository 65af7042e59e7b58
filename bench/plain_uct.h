#pragma once
#include "rules/position.h"
#include <random>

namespace bench {

// The yardstick the levels are measured against: a textbook UCT over uniformly random
// playouts, each seat maximising its own share of the win, a fixed number of playouts per
// move. It lives apart from the levels and borrows only their count of the win shares and
// their uniform draw of a legal cell, so that no change of their search moves it.
rules::Cell plainUct(const rules::Position& position, int playouts, std::mt19937& rng);

} // namespace bench
