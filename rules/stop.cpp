#include "rules/game.h"
#include <algorithm>

namespace rules {

void Game::abandon()
{
    abandoned_ = true;
    if (log_)
        log_->gameStopped();
}

void Game::takeBack(int count)
{
    count = std::clamp(count, 0, int(moves_.size()));
    if (count == 0)
        return;
    moves_.resize(moves_.size() - std::size_t(count));
    // Moves are cheap and the position keeps no history: replaying from the start is the one
    // way back that cannot drift from what forward play does.
    position_ = Position::newGame(settings_.boardSize, settings_.scoring, settings_.rotation);
    last_ = Pass;
    for (const Cell cell : moves_) {
        position_.play(cell);
        if (!cell.isPass())
            last_ = cell;
    }
    if (log_)
        log_->movesTakenBack(count);
}

} // namespace rules
