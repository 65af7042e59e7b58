#pragma once
#include "net/lobbymessages.h"
#include "rules/game.h"

namespace net {

// A move that came from another station, applied as a local one would be; then, when it
// names this station's seat as the next to move, this station's turn begins.
void applyReceivedMove(rules::Game& game, const Move& move, int mySeat);

} // namespace net
