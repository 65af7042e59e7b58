#include "match/browserseat.h"

#include "match/match.h"

namespace match {

BrowserSeat::BrowserSeat(std::function<void(int seat)> tell) : tell_(std::move(tell))
{
    clock_.setSingleShot(true);
}

void BrowserSeat::yourTurn(Match& match, int seat)
{
    clock_.disconnect();
    if (match.game().timeLimit() < rules::NoLimit) {
        QObject::connect(&clock_, &QTimer::timeout, [&match, seat] { match.playFor(seat, rules::Pass, true); });
        clock_.start(match.game().timeLimit() * match.secondMs());
    }
    tell_(seat);
}

} // namespace match
