#pragma once

namespace rules {

// This station's side of the turn flow: its seat and role, the automatic-play switch read
// afresh when it matters, the controls that open and close a turn, and the announcement of a move.
class Station {
public:
    virtual ~Station() = default;

    // The seat this station plays in the game under way, as its start said; 0 for a watcher.
    virtual int mySeat() const = 0;
    virtual bool isHost() const = 0;
    virtual bool autoPlay() const = 0; // the AutoPass box, read when a local turn begins
    // Seeds automatic play's draw of a cell, once per draw. The program gives the time of day;
    // a test or a bug report gives a fixed seed to replay the same game.
    virtual unsigned autoPlaySeed() const = 0;

    virtual void setBoardEnabled(bool on) = 0; // Table
    virtual void setPassEnabled(bool on) = 0;  // BtnPass
    virtual void setTimeoutInterval(int ms) = 0;
    virtual void startTimers() = 0; // Timer, then counter; each starts its period afresh
    virtual void stopTimers() = 0;

    // sendgameinfo: announces a placement, or a pass as (-1, -1), with curPlayer as the
    // seat to move, and disables the board and the pass button. The game's turn is still open
    // while it runs and closes right after.
    virtual void announce(int col, int row) = 0;
    virtual void Setting_enable(bool on) = 0; // the host's game settings in the lobby
};

} // namespace rules
