#pragma once

namespace rules {

// This station's side of the turn flow: its seat and role, the lobby's switches read afresh
// when they matter, the controls that open and close a turn, and the announcement of a move.
class Station {
public:
    virtual ~Station() = default;

    virtual int mySeat() const = 0;
    virtual bool isHost() const = 0;
    virtual bool rotationOn() const = 0; // the lobby's rotation box, read at each change of turn
    virtual bool autoPlay() const = 0;   // the AutoPass box, read when a local turn begins
    // Seeds automatic play's draw of a cell, once per draw. The program gives the time of day;
    // a test or a bug report gives a fixed seed to replay the same game.
    virtual unsigned autoPlaySeed() const = 0;

    virtual void setBoardEnabled(bool on) = 0; // Table
    virtual void setPassEnabled(bool on) = 0;  // BtnPass
    virtual void setTimeoutInterval(int ms) = 0;
    virtual void startTimers() = 0; // Timer, then counter; each starts its period afresh
    virtual void stopTimers() = 0;

    // sendgameinfo: announces a placement, or a pass as (-1, -1), with curPlayer as the
    // seat to move; clears myTurn and disables the board and the pass button.
    virtual void announce(int col, int row) = 0;
    virtual void Setting_enable(bool on) = 0; // the host's game settings in the lobby
};

} // namespace rules
