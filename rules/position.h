#pragma once
#include "rules/board.h"
#include "rules/scoring.h"
#include <array>
#include <vector>

namespace rules {

// A cell named column first; (-1, -1) is a pass.
struct Cell {
    int col = -1;
    int row = -1;
    bool isPass() const { return col < 0; }
    bool operator==(const Cell&) const = default;
};
inline constexpr Cell Pass{};

// The one engine of the rules: the board, the seat to move, the scores, the passes in a row,
// the two rules, and every change a move makes to them. It has no view, no pauses and no
// station, and is cheap to copy, so that a computer player can try moves on copies, on any
// thread. Game applies a move through the same steps, showing each as it happens.
class Position {
public:
    Position(const Board& board, int toMove, const std::array<int, 5>& scores, Scoring scoring, bool rotation,
             int passCount = 0);
    // The empty board of a new game, before its starting pieces are laid out.
    static Position empty(int size, Scoring scoring, bool rotation);
    // A new game as Reset sets it up.
    static Position newGame(int size, Scoring scoring, bool rotation);

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
    int taken() const { return taken_; }                // faces the last placement took so far
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

    // --- the steps of a move, for a caller that shows each one ---
    // The starting pieces on the empty board of a new game.
    void layOut();
    // Only before the first move of a game.
    void setScoring(Scoring scoring) { scoring_ = scoring; }
    // A placement begins: the mover's face on the empty cell at index, which is legal.
    void putFace(int index);
    // Takes the line from index in direction d if it is closed, calling taken(at, victim) after each
    // face is turned and scored, from the placed cell outwards. Answers whether the line was taken.
    template <class Taken>
    bool takeLine(int index, Direction d, Taken&& taken);
    // A placement is over: a full board ends the game with the mover still to move; otherwise
    // the passes in a row are broken.
    void endPlacement();
    // A pass: a fourth in a row ends the game. It never turns the jewels.
    void countPass();
    // The jewels' last frame at one jewel cell (col, row).
    void turnJewel(int col, int row) { board_.turnJewel(col, row); }
    // The next seat is to move.
    void handOn() { toMove_ = nextSeat(toMove_); }

private:
    void turnJewels();
    void takeFace(int at);

    Board board_;
    std::array<int, 5> scores_{};
    int toMove_ = 1;
    int passCount_ = 0;
    int empty_ = 0; // empty cells left
    int taken_ = 0;
    Scoring scoring_ = Scoring::Points;
    bool rotation_ = false;
    bool jewelTouched_ = false;
    bool over_ = false;
};

template <class Taken>
bool Position::takeLine(int index, Direction d, Taken&& taken)
{
    const int step = Board::stepOf(d);
    if (!board_.closes(index, step, toMove_))
        return false;
    const auto take = [&](int at) {
        const int victim = board_.at(at);
        takeFace(at);
        taken(at, victim);
    };
    if (board_.captureLine(index, step, toMove_, take))
        jewelTouched_ = true; // only the mover's own jewel can close an accepted line
    return true;
}

} // namespace rules
