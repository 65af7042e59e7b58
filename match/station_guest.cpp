#include "match/station.h"
#include "net/socketerror.h"
#include "rules/failure.h"

// A guest's side of a station: its one connection to the host and what it says of it. What each
// message from the host does is the guest session's business.
namespace match {

void Station::connectGuest()
{
    connect(&guestTable_, &GuestTable::starting, this,
            [this](const net::StartSettings& start) { emit starting(start.game()); });
    connect(&guestTable_, &GuestTable::outOfStep, this, &Station::chatLine);
    connect(&link_, &net::GuestLink::messageArrived, this, &Station::read);
    connect(&link_, &net::GuestLink::connected, this, &Station::linkUp);
    // Sent while the connection can still carry it; a connection already gone sends nothing.
    connect(&link_, &net::GuestLink::closing, this, [this] { session_.CSDisconnect(); });
    // A connection that had been up is lost, however it ended; one never up failed.
    connect(&link_, &net::GuestLink::failed, this, [this] {
        linkEnded(state_ == State::Joined ? tr("▲サーバーとの接続が切れました")
                                          : tr("▲サーバーとの接続に失敗しました"));
    });
    connect(&link_, &net::GuestLink::lost, this, [this] { linkEnded(tr("▲サーバーとの接続が切れました")); });
}

void Station::join(const QString& host, const QString& port, const QString& name)
{
    const quint16 number = net::portNumber(port, "connect");
    endAlone();
    setHost(false);
    joiningAs_ = name;
    link_.connectTo(host, number);
    setState(State::Connecting);
}

// The name goes out as the host will accept it, and that is the name this station has.
void Station::linkUp()
{
    const QString name = session_.CSConnect(joiningAs_);
    setState(State::Joined);
    emit chatLine(tr("◆サーバーと接続完了"));
    emit joinedAs(name);
}

// Nothing may leave a handler of the event loop by an exception: a start the game cannot take
// leaves this station without a game until the next one.
void Station::read(const QStringList& message)
{
    try {
        session_.CSRead(message);
    } catch (const Failure& failure) {
        emit failed(failure.text());
    }
}

void Station::leave()
{
    if (state_ != State::Connecting && state_ != State::Joined)
        return;
    closeLink();
    emit chatLine(tr("◆サーバーから切断しました"));
}

void Station::linkEnded(const QString& notice)
{
    if (state_ == State::Idle)
        return;
    emit chatLine(notice);
    closeLink();
}

// A game under way stops: nothing played here from now on would reach anyone.
void Station::closeLink()
{
    session_.connectionEnded();
    link_.close();
    setMembers({});
    setState(State::Idle);
}

} // namespace match
