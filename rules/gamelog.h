#pragma once
#include "rules/position.h"

namespace rules {

class Game;

// Whoever keeps the games a station plays: told of each new game once it is set up, of each
// move as every station applies it, and of the end or the stop.
class GameLog {
public:
    virtual ~GameLog() = default;
    virtual void gameStarted(const Game& game) = 0;
    virtual void movePlayed(int seat, Cell cell) = 0;
    // The last `count` moves were taken back; the game goes on from before them.
    virtual void movesTakenBack(int count) = 0;
    virtual void gameEnded(const Game& game) = 0;
    // The game stopped before its end and goes on nowhere: it is kept as unfinished.
    virtual void gameStopped() = 0;
};

} // namespace rules
