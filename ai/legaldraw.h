#pragma once
#include "rules/board.h"
#include <random>
#include <span>
#include <vector>

namespace ai {

// Legal cells drawn at random during one playout, much sooner than by listing them all:
// empty cells are drawn until enough prove legal, and a cell drawn after it was filled is
// dropped for the rest of the playout. Kept by its caller between playouts, so that a search
// allocates once.
class LegalDraw {
public:
    // A new playout from board.
    void start(const rules::Board& board);

    // Fills drawn, which is not empty, with legal cells of seat, uniformly at random and with
    // repeats, and answers how many it drew: fewer than asked only when seat has few, none only
    // when it has none.
    int draw(const rules::Board& board, int seat, std::mt19937& rng, std::span<int> drawn);

private:
    std::vector<int> empties_; // the board's empty cells, and some filled since
    std::vector<int> legal_;
};

} // namespace ai
