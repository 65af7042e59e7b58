#pragma once
#include "net/lobbymessages.h"
#include "rules/game.h"

namespace net {

// A move that came from another station, applied as a local one would be. False when the
// board here refused it or ended with another seat to move than the sender said: this
// station no longer agrees with the others.
bool applyReceivedMove(rules::Game& game, const Move& move);

} // namespace net
