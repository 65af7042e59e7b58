#include "match/station.h"

#include "net/lobbymessages.h"
#include "rules/failure.h"

namespace match {

Station::Station(QObject* parent)
    : QObject(parent), guestTable_(match_, [this] { return members_; }), session_(link_, *this, guestTable_)
{
    guestTable_.setSession(&session_);
    net::HostLobby& lobby = server_.lobby();
    connect(&lobby, &net::HostLobby::chatLine, this, &Station::chatLine);
    connect(&lobby, &net::HostLobby::membersChanged, this, &Station::setMembers);
    connect(&lobby, &net::HostLobby::lobbyMessage, this, &Station::lobbyMessage);
    connect(&lobby, &net::HostLobby::enoughMembers, this, &Station::enoughMembers);
    // Checked, applied and relayed in one step, then shown.
    connect(&lobby, &net::HostLobby::moveReceived, this,
            [this](int seat, const net::Move& m) { match_.playFor(seat, m.cell(), false); });
    connect(&keeper_, &TableKeeper::chatLine, this, &Station::chatLine);
    connect(&guestTable_, &GuestTable::starting, this, &Station::starting);
    connect(&guestTable_, &GuestTable::outOfStep, this, &Station::chatLine);
    connect(&link_, &net::GuestLink::messageArrived, this, &Station::read);
    setHost(true);
}

// The guest's connection goes first, saying goodbye; then nothing is left listening.
Station::~Station()
{
    link_.close();
    server_.close();
}

void Station::setHost(bool host)
{
    host_ = host;
    match_.setTable(host ? static_cast<Table*>(&hostTable_) : &guestTable_);
    keeper_.setActive(host);
}

void Station::setMembers(const QStringList& names)
{
    members_ = names;
    emit membersChanged(names);
}

void Station::host(quint16 port, const QString& name)
{
    server_.listen(port);
    server_.lobby().open(name);
}

void Station::stopHosting()
{
    server_.close();
    setMembers({});
}

void Station::startGame(const rules::Settings& settings)
{
    match_.start(settings, net::HostSeat, members_);
    match_.openFirstTurn();
    server_.lobby().startGame(net::startSettings(settings, 0));
}

void Station::leave()
{
    link_.close();
    setMembers({});
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

void Station::sendChat(const QString& line)
{
    if (host_)
        server_.lobby().sendToGuests(net::chatMessage(line));
    else
        session_.sendChat(line);
}

} // namespace match
