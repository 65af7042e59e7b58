#include "net/receivedmove.h"

namespace net {

bool applyReceivedMove(rules::Game& game, const Move& move)
{
    const bool legal = move.isPass() || game.Search_Face(move.col, move.row);
    if (move.isPass())
        game.BtnPassClick();
    else
        game.TableSelectCell(move.col, move.row);
    return legal && game.curPlayer() == move.turnSeat;
}

} // namespace net
