#include "match/catchup.h"

#include "match/match.h"
#include "match/tablekeeper.h"
#include "net/lobbymessages.h"

namespace match {

namespace {

// What a station that shows moves over time spends on one: each face and the jewels' frames.
constexpr int ShowFaceMs = 100;
constexpr int ShowJewelsMs = 120;

} // namespace

int catchUpGapMs(const rules::Outcome& o)
{
    const int faces = o.isPass() ? 0 : 1 + int(o.taken.size());
    return TableKeeper::ApartMs + faces * ShowFaceMs + (o.jewelsTurned ? ShowJewelsMs : 0);
}

// The reply to the join has just gone: the start keeps apart from it.
CatchUp::CatchUp(const Match& match, net::HostLobby& lobby, net::HostLobby::GuestId guest, int seat, QObject* parent)
    : QObject(parent), match_(match), lobby_(lobby), guest_(guest), seat_(seat),
      replay_(rules::Position::newGame(match.game().boardSize(), match.game().scoring(), match.game().rotation()))
{
    lobby_.setBehind(guest_, true);
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, &CatchUp::sendNext);
    pace_.start(TableKeeper::ApartMs);
}

CatchUp::~CatchUp()
{
    lobby_.setBehind(guest_, false);
}

void CatchUp::sendNext()
{
    const rules::Game& game = match_.game();
    if (!std::exchange(started_, true)) {
        lobby_.sendTo(guest_, net::startMessage(net::startSettings(game.settings(), seat_)));
        pace_.start(TableKeeper::ApartMs);
        return;
    }
    if (sent_ == game.moves().size()) {
        lobby_.setBehind(guest_, false);
        emit done();
        return;
    }
    const rules::Cell cell = game.moves()[sent_++];
    const rules::Outcome outcome = replay_.play(cell);
    lobby_.sendTo(guest_, net::moveMessage(outcome.next, cell.col, cell.row));
    pace_.start(catchUpGapMs(outcome));
}

} // namespace match
