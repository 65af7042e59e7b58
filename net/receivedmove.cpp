#include "net/receivedmove.h"

namespace net {

void applyReceivedMove(rules::Game& game, const Move& move, int mySeat)
{
    if (move.isPass())
        game.BtnPassClick();
    else
        game.TableSelectCell(move.col, move.row);
    if (move.turnSeat == mySeat)
        game.BeginLocalTurn();
}

} // namespace net
