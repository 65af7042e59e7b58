#include "ai/legaldraw.h"

namespace ai {

namespace {

int drawnFrom(const std::vector<int>& cells, std::mt19937& rng)
{
    return cells[std::uniform_int_distribution<std::size_t>(0, cells.size() - 1)(rng)];
}

} // namespace

void LegalDraw::start(const rules::Board& board)
{
    empties_.clear();
    for (int col = 0; col < board.size(); ++col)
        for (int row = 0; row < board.size(); ++row)
            if (board[col][row] == rules::Empty)
                empties_.push_back(rules::Board::indexOf(col, row));
}

// As many draws as there are empty cells find a legal cell unless legal cells are rare; then
// the list of them decides, between a few draws and none.
int LegalDraw::draw(const rules::Board& board, int seat, std::mt19937& rng, std::span<int> drawn)
{
    std::size_t found = 0;
    for (std::size_t tried = 0; found < drawn.size() && tried < empties_.size(); ++tried) {
        const std::size_t i = std::uniform_int_distribution<std::size_t>(0, empties_.size() - 1)(rng);
        const int at = empties_[i];
        if (board.at(at) != rules::Empty) {
            empties_[i] = empties_.back();
            empties_.pop_back();
        } else if (board.canPlace(at, seat)) {
            drawn[found++] = at;
        }
    }
    if (found > 0)
        return static_cast<int>(found);
    board.legalIndices(seat, legal_);
    if (legal_.empty())
        return 0;
    for (int& cell : drawn)
        cell = drawnFrom(legal_, rng);
    return static_cast<int>(drawn.size());
}

} // namespace ai
