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
    // A returning station's moves follow its start; a new game's first comes when seat 1 moves.
    match_.setCatchingUp(std::exchange(catchUpBegun_, false));
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
    catchUpBegun_ = false;
    match_.abandon();
}

// Between the host's marks the moves are the game so far: shown at once, and this station's
// turn opens only after the last of them.
void GuestTable::catchingUp(bool on)
{
    catchUpBegun_ = on;
    if (!on)
        match_.setCatchingUp(false);
}

// The host has checked it: a move that does not fit here, or ends on another seat to move
// than the host said, means this station no longer agrees with the others.
void GuestTable::moveArrived(const net::Move& m)
{
    const bool fits = match_.playFor(match_.game().curPlayer(), m.cell(), false);
    if ((!fits || match_.game().curPlayer() != m.turnSeat) && !std::exchange(desyncShown_, true))
        emit outOfStep(net::desyncNotice());
}

// The host's word is final: this station's own move, made after the host had passed for its
// silent seat, is taken back for the host's.
void GuestTable::overruled(const net::Move& m)
{
    match_.takeBack(1);
    emit outOfStep(tr("▲あなたの手は間に合わず、サーバーが打った手に置き換えました"));
    moveArrived(m);
}

} // namespace match
