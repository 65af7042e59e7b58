#pragma once
#include "ai/level.h"
#include "ai/thinkclock.h"
#include "rules/position.h"
#include <random>

namespace ai {

// How long a level thinks of its own accord; levels 1 and 2 take no time worth a budget.
Budget budgetOf(Level level);

// The move of the seat to move in a game that is not over: a legal cell, or a pass only
// when there is none. Reads nothing but its arguments, so several may run at once on
// different threads. Levels 3 and 4 think for the budget, level 4 on every core.
rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng, const Budget& budget);
rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng);

// The threads that use every core of this machine.
int coreCount();

} // namespace ai
