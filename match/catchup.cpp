#include "match/catchup.h"

#include "match/match.h"
#include "match/tablekeeper.h"
#include "net/lobbymessages.h"

namespace match {

// The reply to the join has just gone: the first mark keeps apart from it.
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
    if (step_ != Step::Moves) {
        const bool begin = step_ == Step::Begin;
        lobby_.sendTo(guest_, begin ? net::catchUpMessage(true)
                                    : net::startMessage(net::startSettings(game.settings(), seat_)));
        step_ = begin ? Step::Start : Step::Moves;
        pace_.start(TableKeeper::ApartMs);
        return;
    }
    if (sent_ == game.moves().size()) {
        lobby_.sendTo(guest_, net::catchUpMessage(false));
        lobby_.setBehind(guest_, false);
        emit done();
        return;
    }
    const rules::Cell cell = game.moves()[sent_++];
    const rules::Outcome outcome = replay_.play(cell);
    lobby_.sendTo(guest_, net::moveMessage(outcome.next, cell.col, cell.row));
    pace_.start(TableKeeper::ApartMs + rules::showMs(outcome));
}

} // namespace match
