#pragma once
#include "rules/board.h"

namespace ui {

enum class Sound { Put, Buzz, Flip, Rotate };

// What showing a move draws on: the board's cells, the side panel, the captions and the
// speaker. The game window is one; tests write down the calls.
class MoveScreen {
public:
    // What the board's cells show, at the next paint. Images are indexed as cell codes.
    virtual void Put(int col, int row, int image) = 0;
    // image on its way from cell (col, row) to the next cell toward `toward`, step of steps there.
    virtual void PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image) = 0;
    virtual void Del(int col, int row) = 0;
    // Every cell as the board shown so far holds it; pictures on their way go.
    virtual void repaintBoard() = 0;
    virtual void showLamp(int seat, bool lit) = 0;
    virtual void showScore(int seat, int score) = 0;
    // LPoint after `taken` faces of the placement shown.
    virtual void showGain(int taken) = 0;
    // The caption for `seat` to move.
    virtual void showTurn(int seat) = 0;
    // The game is over: the board closes, the status, the caption and the places.
    virtual void showEnd() = 0;
    virtual void play(Sound sound) = 0;

protected:
    ~MoveScreen() = default;
};

} // namespace ui
