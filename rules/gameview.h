#pragma once
#include "rules/board.h"
#include "rules/ranking.h"
#include <QString>
#include <vector>

namespace rules {

enum class Sound { Put, Buzz, Flip, Rotate };

// What the rules need from the screen, the speaker and the clock. The game window
// implements it; tests fake it and record the order of calls, with pauses of no length.
// Each call does nothing here, so a game that nobody watches needs no view of its own.
class GameView {
public:
    virtual ~GameView() = default;

    // Board surface; every call shows at once. Images are indexed as cell codes.
    virtual void Put(int /*col*/, int /*row*/, int /*image*/) {}
    // image on its way from cell (col, row) to the next cell toward `toward`, step of steps there.
    virtual void PutOnTheWay(int /*col*/, int /*row*/, Direction /*toward*/, int /*step*/, int /*steps*/, int /*image*/)
    {
    }
    virtual void Del(int /*col*/, int /*row*/) {}
    // Paints cells col0..col1 × row0..row1 over as one block with one outline, as Del does.
    virtual void DelBlock(int /*col0*/, int /*row0*/, int /*col1*/, int /*row1*/) {}
    // Grid lines, then every cell as the game state says; shown at once.
    virtual void repaintBoard() {}
    // A new game's board: every cell painted afresh, empty ones over.
    virtual void repaintWholeBoard() {}
    // N × N grid and the window figures that follow from it.
    virtual void setBoardSize(int /*n*/) {}

    // Side panel and captions.
    virtual void showName(int /*seat*/, const QString& /*name*/) {}
    virtual void showLamp(int /*seat*/, bool /*lit*/) {}
    virtual void showScore(int /*seat*/, const QString& /*text*/) {}
    // LPoint, redrawn at once. taken: the faces this placement has taken under the points rule,
    // which the label grows with; 0 under the count rule and for a new game.
    virtual void showGain(const QString& /*text*/, int /*taken*/) {}
    virtual void showTimeLeft(const QString& /*text*/) {} // LTL
    virtual void setCaption(const QString& /*text*/) {}
    virtual void showStatus(const QString& /*text*/) {}
    // The finished game's places; an empty list takes a shown result away.
    virtual void showResult(const std::vector<Place>& /*places*/) {}

    virtual void play(Sound /*sound*/) {}
    virtual void pause(int /*ms*/) {} // blocks; nothing else is handled meanwhile
};

} // namespace rules
