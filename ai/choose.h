#pragma once
#include "ai/level.h"
#include "rules/position.h"
#include <chrono>
#include <random>

namespace ai {

using Clock = std::chrono::steady_clock;

// The move of the seat to move in a game that is not over: a legal cell, or a pass only
// when there is none. Reads nothing but its arguments, so several may run at once on
// different threads. Only the strong level uses the budget: it thinks about that long, and
// never much longer.
rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng,
                       Clock::duration budget = std::chrono::milliseconds(180));

} // namespace ai
