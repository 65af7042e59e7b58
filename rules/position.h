#pragma once
#include "rules/board.h"
#include "rules/scoring.h"
#include <array>
#include <vector>

namespace rules {

class Game;

// A cell named column first; (-1, -1) is a pass.
struct Cell {
    int col = -1;
    int row = -1;
    bool isPass() const { return col < 0; }
    bool operator==(const Cell&) const = default;
};
inline constexpr Cell Pass{};

// A game reduced to what decides its future: the board, the seat to move, the scores, the
// passes in a row and the two rules. It applies moves exactly as Game does, without a view,
// pauses or a station, and is cheap to copy, so that a computer player can try moves on
// copies, on any thread.
class Position {
public:
    Position(const Board& board, int toMove, const std::array<int, 5>& scores, Scoring scoring, bool rotation,
             int passCount = 0);
    // A new game as Reset sets it up.
    static Position newGame(int size, Scoring scoring, bool rotation);
    // The game as it stands, with the lobby's rotation switch.
    static Position of(const Game& game, bool rotation);

    const Board& board() const { return board_; }
    int size() const { return board_.size(); }
    int toMove() const { return toMove_; }
    int score(int seat) const { return scores_[seat]; }
    const std::array<int, 5>& scores() const { return scores_; } // indexed 1..4 by seat
    int passCount() const { return passCount_; }
    int emptyCells() const { return empty_; }
    Scoring scoring() const { return scoring_; }
    bool rotation() const { return rotation_; }
    bool jewelTouched() const { return jewelTouched_; } // by the last placement
    bool over() const { return over_; }

    bool isLegal(Cell cell) const;
    std::vector<Cell> legalCells() const; // column-major, as automatic play lists them
    std::vector<int> legalIndices() const { return board_.legalIndices(toMove_); }

    // What the seat to move would score by a placement at index, which is legal.
    int gainOf(int index) const { return gainFor(scoring_, board_.captures(index, toMove_)); }

    // A legal placement or a pass, then the change of turn that follows it.
    void play(Cell cell);
    // index is legal for the seat to move.
    void place(int index);
    void pass();

private:
    void turnJewels();
    void endPlacement();

    Board board_;
    std::array<int, 5> scores_{};
    int toMove_ = 1;
    int passCount_ = 0;
    int empty_ = 0; // empty cells left
    Scoring scoring_ = Scoring::Points;
    bool rotation_ = false;
    bool jewelTouched_ = false;
    bool over_ = false;
};

} // namespace rules
