#include "rules/position.h"
#include "rules/game.h"

namespace rules {

Position::Position(const Board& board, int toMove, const std::array<int, 5>& scores, Scoring scoring, bool rotation,
                   int passCount)
    : board_(board), scores_(scores), toMove_(toMove), passCount_(passCount), scoring_(scoring), rotation_(rotation)
{
    for (int col = 0; col < board.size(); ++col)
        for (int code : board[col])
            empty_ += code == Empty;
    over_ = empty_ == 0 || passCount >= Seats;
}

Position Position::newGame(int size, Scoring scoring, bool rotation)
{
    Board board;
    board.reset(size);
    board.layOut();
    const int start = startingScore(scoring);
    return Position(board, 1, {0, start, start, start, start}, scoring, rotation);
}

Position Position::of(const Game& game, bool rotation)
{
    return Position(game.board, game.curPlayer, game.scores, game.scoring(), rotation, game.passCount);
}

bool Position::isLegal(Cell cell) const
{
    return board_.contains(cell.col, cell.row) && board_.canPlace(Board::indexOf(cell.col, cell.row), toMove_);
}

std::vector<Cell> Position::legalCells() const
{
    std::vector<Cell> cells;
    for (int at : legalIndices())
        cells.push_back({Board::colOf(at), Board::rowOf(at)});
    return cells;
}

void Position::play(Cell cell)
{
    if (cell.isPass())
        pass();
    else
        place(Board::indexOf(cell.col, cell.row));
}

void Position::place(int index)
{
    const int seat = toMove_;
    const Code mover = static_cast<Code>(seat);
    jewelTouched_ = false;
    board_.at(index) = mover;
    --empty_;
    int taken = 0;
    const auto take = [&](int at) {
        if (scoring_ == Scoring::Count)
            --scores_[board_.at(at)];
        board_.at(at) = mover;
        ++taken;
    };
    for (const Direction& d : Directions) {
        const int step = Board::stepOf(d);
        if (board_.closes(index, step, seat) && board_.captureLine(index, step, seat, take))
            jewelTouched_ = true;
    }
    scores_[seat] += gainFor(scoring_, taken);
    endPlacement();
}

// The board filled up ends the game with the mover still to move and no rotation.
void Position::endPlacement()
{
    if (empty_ == 0) {
        over_ = true;
        return;
    }
    passCount_ = 0;
    if (rotation_ && jewelTouched_)
        turnJewels();
    toMove_ = nextSeat(toMove_);
}

void Position::pass()
{
    ++passCount_;
    jewelTouched_ = false;
    if (passCount_ < Seats)
        toMove_ = nextSeat(toMove_);
    else
        over_ = true;
}

void Position::turnJewels()
{
    const int center = board_.size() / 2;
    for (const JewelCell& cell : board_.jewelCells())
        board_.turnJewel(center + cell.dc, center + cell.dr);
}

} // namespace rules
