#include "rules/position.h"

namespace rules {

Position::Position(const Board& board, int toMove, const std::array<int, 5>& scores, Scoring scoring, bool rotation,
                   int passCount)
    : board_(board), scores_(scores), toMove_(toMove), passCount_(passCount), scoring_(scoring), rotation_(rotation)
{
    for (int col = 0; col < board.size(); ++col)
        for (int code : board[col])
            empty_ += code == Empty;
    over_ = (empty_ == 0 && board.size() > 0) || passCount >= Seats; // no board is no game yet
}

Position Position::empty(int size, Scoring scoring, bool rotation)
{
    Board board;
    board.reset(size);
    const int start = startingScore(scoring);
    return Position(board, 1, {0, start, start, start, start}, scoring, rotation);
}

Position Position::newGame(int size, Scoring scoring, bool rotation)
{
    Position position = empty(size, scoring, rotation);
    position.layOut();
    return position;
}

void Position::layOut()
{
    board_.layOut();
    *this = Position(board_, toMove_, scores_, scoring_, rotation_, passCount_);
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

Outcome Position::play(Cell cell)
{
    Outcome outcome;
    outcome.mover = toMove_;
    outcome.cell = cell;
    if (cell.isPass()) {
        pass();
    } else {
        const int mover = toMove_;
        const int index = Board::indexOf(cell.col, cell.row);
        outcome.placedScore = scores_[mover] + gainFor(scoring_, 0); // the placed face alone
        placeWith(index, [&](int at, int victim) {
            outcome.taken.push_back({{Board::colOf(at), Board::rowOf(at)}, victim, scores_[mover], scores_[victim]});
        });
        outcome.jewelsTurned = !over_ && rotation_ && jewelTouched_;
    }
    outcome.next = toMove_;
    outcome.over = over_;
    return outcome;
}

void Position::pass()
{
    ++passCount_;
    jewelTouched_ = false;
    over_ = passCount_ >= Seats;
    if (!over_)
        toMove_ = nextSeat(toMove_);
}

void Position::putFace(int index)
{
    jewelTouched_ = false;
    taken_ = 0;
    board_.at(index) = static_cast<Code>(toMove_);
    --empty_;
    if (scoring_ == Scoring::Count)
        ++scores_[toMove_];
}

// Each face taken scores one more than the one before in the points rule: 1 + 2 + … + taken.
void Position::takeFace(int at)
{
    if (scoring_ == Scoring::Count)
        --scores_[board_.at(at)];
    board_.at(at) = static_cast<Code>(toMove_);
    ++taken_;
    scores_[toMove_] += scoring_ == Scoring::Count ? 1 : taken_;
}

void Position::endPlacement()
{
    if (empty_ == 0)
        over_ = true;
    else
        passCount_ = 0;
}

void Position::turnJewels()
{
    const int center = board_.size() / 2;
    for (const JewelCell& cell : board_.jewelCells())
        board_.turnJewel(center + cell.dc, center + cell.dr);
}

} // namespace rules
