#include "match/guesttable.h"

#include "match/match.h"

namespace match {

GuestTable::GuestTable(Match& match, std::function<QStringList()> members, QObject* parent)
    : QObject(parent), match_(match), members_(std::move(members))
{
}

void GuestTable::announce(int turnSeat, rules::Cell cell, bool madeHere)
{
    if (madeHere && session_)
        session_->sendgameinfo(turnSeat, cell.col, cell.row);
}

// Out-of-range sizes and limits never come out of the receive buffer.
bool GuestTable::startGame(const net::StartSettings& settings)
{
    emit starting(settings);
    match_.start(settings.game(), settings.seat, members_());
    desyncShown_ = false;
    return true;
}

bool GuestTable::gameRunning() const
{
    return match_.running();
}

bool GuestTable::awaits(const net::Move& m) const
{
    const rules::Game& game = match_.game();
    const int mover = game.curPlayer();
    const bool handsOn = m.turnSeat == rules::nextSeat(mover) || m.turnSeat == mover;
    return mover != match_.mySeat() && handsOn && match_.mayMove(mover, m.cell());
}

void GuestTable::stopGame()
{
    match_.abandon();
}

// The host has checked it: a move that does not fit here, or ends on another seat to move
// than the host said, means this station no longer agrees with the others.
void GuestTable::moveArrived(const net::Move& m)
{
    const bool fits = match_.playFor(match_.game().curPlayer(), m.cell(), false);
    if ((!fits || match_.game().curPlayer() != m.turnSeat) && !std::exchange(desyncShown_, true))
        emit outOfStep(net::desyncNotice());
}

} // namespace match
