#pragma once
#include "rules/board.h"
#include "rules/outcome.h"
#include "rules/scoring.h"
#include <array>
#include <vector>

namespace rules {

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

    // A legal placement or a pass, then the change of turn that follows it, told as a value.
    Outcome play(Cell cell);
    // The same without the telling, for the many moves of a search: index is legal.
    void place(int index)
    {
        placeWith(index, [](int, int) {});
    }
    void pass();

    // The starting pieces on the empty board of a new game.
    void layOut();
    // Only before the first move of a game.
    void setScoring(Scoring scoring) { scoring_ = scoring; }

private:
    // The one sequence of a placement: the face, every closed line from the placed face
    // outwards with taken(at, victim) after each face, the end or the change of turn.
    template <class Taken>
    void placeWith(int index, Taken&& taken);
    void putFace(int index);
    void takeFace(int at);
    void endPlacement();
    void turnJewels();

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
void Position::placeWith(int index, Taken&& taken)
{
    putFace(index);
    // The eight lines from one cell share no cell, so each is unaffected by the others.
    for (const Direction& d : Directions) {
        const int step = Board::stepOf(d);
        if (!board_.closes(index, step, toMove_))
            continue;
        const auto take = [&](int at) {
            const int victim = board_.at(at);
            takeFace(at);
            taken(at, victim);
        };
        if (board_.captureLine(index, step, toMove_, take))
            jewelTouched_ = true; // only the mover's own jewel can close an accepted line
    }
    endPlacement();
    if (over_)
        return;
    if (rotation_ && jewelTouched_)
        turnJewels();
    toMove_ = nextSeat(toMove_);
}

} // namespace rules
