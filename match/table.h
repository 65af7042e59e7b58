#pragma once
#include "rules/cell.h"

namespace match {

// How the moves of a match reach the other stations: the host relays every move it applies to
// all its guests, a guest sends only those made here, a game alone sends nothing.
class Table {
public:
    virtual ~Table() = default;
    // A move has been applied: `turnSeat` is to move now (the mover's own after the last move);
    // `madeHere` tells a move made at this station from one received.
    virtual void announce(int turnSeat, rules::Cell cell, bool madeHere) = 0;
};

} // namespace match
