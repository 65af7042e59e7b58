#pragma once
#include "rules/cell.h"
#include <vector>

namespace rules {

// One face a placement took, with the two scores it left.
struct Take {
    Cell cell;
    int victim = 0;      // the seat it was taken from
    int moverScore = 0;  // the mover's score once it was taken
    int victimScore = 0; // the victim's score once it was taken
};

// Everything one move did, in the order it happened, so that a screen can show it over time
// long after the rules have moved on: the placed face, each face taken, the jewels' turn, and
// who is to move next.
struct Outcome {
    int mover = 0;
    Cell cell = Pass;
    int placedScore = 0;     // the mover's score once the face stood, before any was taken
    std::vector<Take> taken; // line by line in the fixed order, each from the placed face outwards
    bool jewelsTurned = false;
    int next = 0;      // the seat to move; the mover's own once the game is over
    bool over = false; // the move filled the board or was the fourth pass in a row
    bool isPass() const { return cell.isPass(); }
};

} // namespace rules
