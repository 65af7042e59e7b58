#include "rules/game.h"

namespace rules {

bool Game::existSpace() const
{
    for (const auto& column : board)
        for (int code : column)
            if (code == Empty)
                return true;
    return false;
}

} // namespace rules
