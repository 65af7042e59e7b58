#include "rules/game.h"

namespace rules {

// The cell (col, row) itself is not read, so it may lie off the board.
bool Game::Vector_Search(int col, int row, int dc, int dr) const
{
    return onBoard(col + dc, row + dr) &&
           board().closes(Board::indexOf(col, row), Board::stepOf({dc, dr}), curPlayer());
}

bool Game::Search_Face(int col, int row) const
{
    return position_.isLegal({col, row});
}

std::vector<std::pair<int, int>> Game::legalCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (const Cell& cell : position_.legalCells())
        cells.emplace_back(cell.col, cell.row);
    return cells;
}

Outcome Game::play(Cell cell)
{
    Outcome outcome = position_.play(cell);
    if (!cell.isPass())
        last_ = cell;
    moves_.push_back(cell);
    if (log_)
        log_->movePlayed(outcome.mover, cell);
    if (outcome.over && log_)
        log_->gameEnded(*this);
    return outcome;
}

} // namespace rules
