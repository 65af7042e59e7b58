#pragma once
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/gamelog.h"
#include "rules/outcome.h"
#include "rules/position.h"
#include "rules/scoring.h"
#include "rules/settings.h"
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace rules {

// One game as a station keeps it: the position, the settings it was started with, the seats'
// names, the last placement and the moves so far. Every station applies the same moves in the
// same order, so the copies stay identical; a move is applied at once and told as an Outcome,
// which a screen may show over time. It has no screen, no clock and no station of its own.
class Game {
public:
    Game() : position_(Position::empty(0, Scoring::Points, false)) {}

    // --- state, read only; the operations below change it ---
    const Position& position() const { return position_; }
    const Board& board() const { return position_.board(); } // board()[column][row] is a cell code
    int boardSize() const { return position_.size(); }
    int centerCol() const { return boardSize() / 2; }
    int centerRow() const { return boardSize() / 2; }
    int curPlayer() const { return position_.toMove(); }
    const std::array<int, 5>& scores() const { return position_.scores(); } // indexed 1..4 by seat
    int passCount() const { return position_.passCount(); }
    bool jewelTouched() const { return position_.jewelTouched(); } // by the last placement
    bool gameOver() const { return position_.over(); }             // from the end until the next Reset
    bool started() const { return boardSize() > 0; }
    // The last placement's cell, (-1, -1) before the first.
    int lastCol() const { return last_.col; }
    int lastRow() const { return last_.row; }
    const Settings& settings() const { return settings_; }
    int timeLimit() const { return settings_.timeLimit; }        // NoLimit for none
    const QString& name(int seat) const { return names_[seat]; } // seat 1..4: what the name labels show
    int mySeat() const { return mySeat_; }
    std::vector<QString> names() const { return {names_.begin() + 1, names_.end()}; }
    bool rotation() const { return position_.rotation(); }
    Scoring scoring() const { return position_.scoring(); }
    bool countMode() const { return scoring() == Scoring::Count; }
    // Every move of this game so far, in order.
    const std::vector<Cell>& moves() const { return moves_; }
    bool onBoard(int col, int row) const { return position_.board().contains(col, row); }

    // Who keeps the games: told of each start, move and end from then on; none by default.
    void setLog(GameLog* log) { log_ = log; }

    // --- new game ---
    // The game in which this station plays mySeat (0 for none). Throws Failure
    // ("リストのインデックスが範囲を超えています (i)") with fewer than four names; the game stays
    // as it was then.
    void Reset(const Settings& settings, const QStringList& members, int mySeat = 0);
    // Takes a game up from a position, as a test or a benchmark sets one.
    void resume(const Position& position) { position_ = position; }
    bool existSpace() const { return position_.emptyCells() > 0; }

    // --- placement and capture ---
    bool Vector_Search(int col, int row, int dc, int dr) const;
    bool Search_Face(int col, int row) const;            // false for a cell off the board
    std::vector<std::pair<int, int>> legalCells() const; // column-major
    // A move of the seat to move while the game goes on: a placement on a cell Search_Face
    // accepts, or a pass. Applied at once; the keeper of the games hears of it and of the end.
    Outcome play(Cell cell);
    // The game stops before its end, its station cut off from the others: nothing more is
    // played here and the log keeps it as unfinished.
    void abandon();
    bool abandoned() const { return abandoned_; }
    // The last `count` moves are undone, as if never played (at most every move so far); the
    // keeper of the games forgets them too.
    void takeBack(int count);

private:
    Position position_;
    Settings settings_;
    Cell last_;
    int mySeat_ = 0;
    bool abandoned_ = false;
    std::array<QString, 5> names_; // indexed 1..4 by seat
    std::vector<Cell> moves_;
    GameLog* log_ = nullptr;
};

// The caption of the game window when `seat` is to move, seen from `mySeat`.
QString turnCaption(const Game& game, int seat, int mySeat);
QString gameOverCaption();
// The caption of a game that stopped before its end.
QString stoppedCaption();
// The score label's text in the game's unit.
QString scoreText(const Game& game, int score);
// What LPoint shows after `taken` faces of one placement.
QString gainText(const Game& game, int taken);

} // namespace rules
