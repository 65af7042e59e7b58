#pragma once

namespace match {

class Match;

// Who moves for a seat played in this process besides the station's own person: a computer.
// A seat with no player is the person at this station when it is the station's seat, and
// another station's otherwise, whose moves come over the network.
class Player {
public:
    virtual ~Player() = default;
    // `seat` is to move in the match; the player answers with Match::playFor when it is ready.
    virtual void yourTurn(Match& match, int seat) = 0;
    // Whatever the player was working on is for a game or a turn that has gone.
    virtual void stop() {}
};

} // namespace match
