#include "match/guesttable.h"

#include "match/match.h"
#include "match/tablekeeper.h"

namespace match {

GuestTable::GuestTable(Match& match, std::function<QStringList()> members, QObject* parent)
    : QObject(parent), match_(match), members_(std::move(members))
{
    quiet_.setSingleShot(true);
    connect(&quiet_, &QTimer::timeout, &match_, [this] { match_.setCatchingUp(false); });
    connect(&match_, &Match::moved, this, [this](const rules::Outcome& o) { lastGap_ = catchUpGapMs(o); });
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
    // A returning station's moves follow its start; a new game's first comes when seat 1 moves.
    match_.setCatchingUp(true);
    quiet_.start(TableKeeper::ApartMs + CatchUpSlackMs);
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
    quiet_.stop();
    match_.abandon();
}

// The host has checked it: a move that does not fit here, or ends on another seat to move
// than the host said, means this station no longer agrees with the others.
void GuestTable::moveArrived(const net::Move& m)
{
    const bool fits = match_.playFor(match_.game().curPlayer(), m.cell(), false);
    if ((!fits || match_.game().curPlayer() != m.turnSeat) && !std::exchange(desyncShown_, true))
        emit outOfStep(net::desyncNotice());
    if (match_.catchingUp())
        quiet_.start(lastGap_ + CatchUpSlackMs);
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
