#pragma once
#include "net/pageprotocol.h"
#include "rules/game.h"
#include "rules/outcome.h"

namespace match {

// The game as a page at `seat` (0 to watch) is to draw it, after `last` (the last move's
// outcome, or none); `legal` lists the cells the page may choose now, when it may move.
net::PageState pageState(const rules::Game& game, int seat, const rules::Outcome* last, bool legal);

// Each seat's place, 1 for the highest score; equal scores share a place.
std::array<int, 4> places(const std::array<int, 5>& scores);

} // namespace match
