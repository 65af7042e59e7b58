#include "match/tablekeeper.h"

#include "match/match.h"
#include "net/hostlobby.h"
#include "net/lobbymessages.h"

namespace match {

TableKeeper::TableKeeper(Match& match, net::HostLobby& lobby, QObject* parent)
    : QObject(parent), match_(match), lobby_(lobby)
{
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] { match_.playFor(silentSeat_, rules::Pass, true); });
    connect(&lobby_, &net::HostLobby::seatLeft, this, &TableKeeper::seatLeft);
    connect(&lobby_, &net::HostLobby::seatReturned, this, &TableKeeper::seatReturned);
    connect(&match_, &Match::awaiting, this, &TableKeeper::awaiting);
    connect(&match_, &Match::moved, &silence_, &QTimer::stop);
    connect(&match_, &Match::started, this, &TableKeeper::newGame);
}

TableKeeper::~TableKeeper()
{
    match_.disconnect(this);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        if (standIns_[std::size_t(seat)])
            match_.setPlayer(seat, nullptr);
}

void TableKeeper::setActive(bool active)
{
    active_ = active;
    if (!active)
        newGame();
}

// A game's stand-ins go with it.
void TableKeeper::newGame()
{
    ++game_;
    silence_.stop();
    catchUps_ = {};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        giveBack(seat);
}

// Whatever the stand-in was searching is dropped with it.
void TableKeeper::giveBack(int seat)
{
    if (!standIns_[std::size_t(seat)])
        return;
    match_.setPlayer(seat, nullptr);
    standIns_[std::size_t(seat)].reset();
}

void TableKeeper::seatLeft(int seat, const QString& name)
{
    catchUps_[std::size_t(seat)].reset();
    if (!active_ || !match_.running() || standIns_[std::size_t(seat)])
        return;
    QTimer::singleShot(ApartMs, this, [this, seat, name, game = game_, returns = returns_[std::size_t(seat)]] {
        takeOver(seat, name, game, returns);
    });
}

// Caught up first, so that the seat's turn waits for it; then the stand-in goes.
void TableKeeper::seatReturned(int seat, net::HostLobby::GuestId guest)
{
    if (!active_ || !match_.running())
        return;
    ++returns_[std::size_t(seat)];
    auto& catchUp = catchUps_[std::size_t(seat)];
    catchUp = std::make_unique<CatchUp>(match_, lobby_, guest, seat);
    connect(catchUp.get(), &CatchUp::done, this, [this, seat] { caughtUp(seat); });
    giveBack(seat);
}

// The seat's time runs from here, for a station that has just caught up.
void TableKeeper::caughtUp(int seat)
{
    catchUps_[std::size_t(seat)].release()->deleteLater();
    if (match_.running() && match_.game().curPlayer() == seat && !standIns_[std::size_t(seat)])
        awaiting(seat);
}

// Said as the host's own chat line, the one form every station reads as chat; what travels
// is untranslated, like the join and leave notices.
void TableKeeper::takeOver(int seat, const QString& name, int game, int returns)
{
    if (game != game_ || returns != returns_[std::size_t(seat)] || !match_.running() || standIns_[std::size_t(seat)])
        return;
    const QString line =
        lobby_.hostName() + QStringLiteral("：%1番席（%2）はコンピューターが打ちます").arg(seat).arg(name);
    emit chatLine(line);
    lobby_.sendToGuests(net::chatMessage(line));
    standIns_[std::size_t(seat)] = std::make_unique<ComputerSeat>(ai::Level::Greedy);
    // Its first move comes no sooner than ComputerSeat::movePauseMs after the chat line.
    match_.setPlayer(seat, standIns_[std::size_t(seat)].get());
}

// A silent seat is a player thinking, unless the game has a time limit.
void TableKeeper::awaiting(int seat)
{
    silence_.stop();
    if (!active_ || match_.game().timeLimit() >= rules::NoLimit || catchUps_[std::size_t(seat)])
        return;
    silentSeat_ = seat;
    silence_.start((match_.game().timeLimit() + GraceSeconds) * match_.secondMs());
}

} // namespace match
