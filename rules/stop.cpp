#include "rules/game.h"

namespace rules {

void Game::abandon()
{
    abandoned_ = true;
    if (log_)
        log_->gameStopped();
}

} // namespace rules
