#pragma once
#include "ai/legaldraw.h"
#include "rules/position.h"
#include <array>
#include <random>
#include <vector>

namespace ai {

using Shares = std::array<float, 5>; // indexed 1..4 by seat

// Each seat's share of the win in a finished game: 1, or 1/k for a first place shared by k.
Shares winShares(const rules::Position& position);

// Each seat's share of all points (or faces) at the end of a finished game; an empty end gives none.
Shares pointShares(const rules::Position& end);

// How promising a placement at index is for the seat to move, before any search: where it
// lies, and under the points rule what it gains. Index is legal.
int promise(const rules::Position& position, int index);

// Plays the game to its end the way a hurried but sensible player would (at random under the
// count rule on a small board).
void playToEnd(rules::Position& position, std::mt19937& rng, LegalDraw& draws);

// What a finished game is worth to each seat in a search: mostly its win share, partly its
// share of all points, so that a search still tells a larger gain from a smaller one where
// both win as often.
Shares worth(const rules::Position& end);

} // namespace ai
