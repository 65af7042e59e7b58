#include "match/station.h"

#include "net/lobbymessages.h"
#include "rules/failure.h"

#include <algorithm>

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
    // A host's start must not find computers of a game alone in the seats.
    connect(&link_, &net::GuestLink::connected, this, &Station::endAlone);
    setHost(true);
}

// The guest's connection goes first, saying goodbye; then nothing is left listening.
Station::~Station()
{
    endAlone(); // the match must not keep the computers that go before it
    link_.close();
    browsers_.close();
    server_.close();
}

void Station::setHost(bool host)
{
    endAlone();
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
    endAlone();
    server_.listen(port);
    server_.lobby().open(name);
    // Hosting goes on without the page, said in this lobby only: the desktops need no browser.
    const int web = webPort_ == WebPortBesideGame ? server_.port() + 1 : webPort_;
    if (web > 0 && web <= 65535)
        try {
            browsers_.listen(quint16(web));
        } catch (const Failure& failure) {
            emit chatLine(failure.text());
        }
}

void Station::stopHosting()
{
    browsers_.close();
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

void Station::playAlone(const rules::Settings& settings, int seat, const QStringList& members,
                        const std::array<ai::Level, 3>& levels)
{
    if (inSession())
        throw Failure(tr("接続中は一人で遊べません"));
    endAlone();
    match_.abandon(); // a network game left behind by a lost host
    match_.start(settings, std::clamp(seat, 1, rules::Seats), members);
    match_.setTable(nullptr);
    keeper_.setActive(false);
    // A computer in the first seat is asked as it takes the seat.
    auto level = levels.begin();
    for (int s = 1; s <= rules::Seats; ++s)
        if (s != match_.mySeat()) {
            computers_.push_back(std::make_unique<ComputerSeat>(*level++));
            match_.setPlayer(s, computers_.back().get());
        }
    match_.openFirstTurn();
}

void Station::endAlone()
{
    if (!alone())
        return;
    match_.abandon();
    for (int seat = 1; seat <= rules::Seats; ++seat)
        match_.setPlayer(seat, nullptr);
    computers_.clear();
    setHost(host_);
}

} // namespace match
