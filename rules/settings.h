#pragma once
#include "rules/cell.h"
#include "rules/scoring.h"

namespace rules {

// A new game's settings, as the host's lobby chose them: a guest has them from the start message.
struct Settings {
    int boardSize = DefaultBoardSize; // MinBoardSize..MaxBoardSize
    Scoring scoring = Scoring::Points;
    int timeLimit = NoLimit; // MinTimeLimit..NoLimit, NoLimit meaning none
    bool rotation = false;   // the jewels turn round the centre after a placement a jewel closed
};

} // namespace rules
