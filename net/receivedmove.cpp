#include "net/receivedmove.h"

namespace net {

bool applyReceivedMove(rules::Game& game, const Move& move)
{
    if (move.isPass())
        game.BtnPassClick();
    else if (!game.TableSelectCell(move.col, move.row))
        return false;
    return game.curPlayer() == move.turnSeat;
}

} // namespace net
