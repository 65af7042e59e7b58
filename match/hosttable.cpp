#include "match/hosttable.h"

#include "net/hostlobby.h"
#include "net/lobbymessages.h"

namespace match {

void HostTable::announce(int turnSeat, rules::Cell cell, bool)
{
    lobby_.relayMove(net::moveMessage(turnSeat, cell.col, cell.row));
}

} // namespace match
