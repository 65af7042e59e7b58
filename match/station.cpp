#include "match/station.h"

#include "match/computerguest.h"
#include "net/lobbymessages.h"
#include "rules/failure.h"

namespace match {

Station::Station(QObject* parent)
    : QObject(parent), guestTable_(match_, [this] { return members_; }), session_(link_, *this, guestTable_)
{
    guestTable_.setSession(&session_);
    connectHost();
    connectGuest();
    connect(&match_, &Match::moved, this, &Station::gameMoved);
    // A new game is the person's own again, whoever started it.
    connect(&match_, &Match::started, this, [this] {
        leftGame_ = false;
        updateAutoPlay();
    });
    setHost(true);
}

// The guest's connection goes first, saying goodbye; then nothing is left listening. The match
// must not keep computers that go before it.
Station::~Station()
{
    endAlone();
    link_.disconnect(this);
    link_.close();
    guests_.clear();
    browsers_.close();
    server_.close();
    match_.setLog(nullptr);
}

void Station::setHost(bool host)
{
    endAlone();
    host_ = host;
    match_.setTable(host ? static_cast<Table*>(&hostTable_) : &guestTable_);
    keeper_.setActive(host);
}

void Station::setState(State state)
{
    if (std::exchange(state_, state) != state)
        emit stateChanged(state);
}

// Between games the host's next game follows the number of members at once.
void Station::setMembers(const QStringList& names)
{
    members_ = names;
    emit membersChanged(names);
    if (state_ == State::Hosting && !match_.running())
        setCanStart(true);
}

// Never with fewer than four members: the game names its seats after the first four.
void Station::setCanStart(bool can)
{
    can = can && host_ && state_ == State::Hosting && members_.size() >= net::PlayersToStart;
    if (std::exchange(canStart_, can) != can)
        emit canStartGameChanged(can);
}

// The host may set up the next game once this one is over.
void Station::gameMoved(const rules::Outcome& outcome)
{
    if (outcome.over)
        setCanStart(true);
}

void Station::sendChat(const QString& line)
{
    if (state_ == State::Hosting)
        server_.lobby().sendToGuests(net::chatMessage(line));
    else if (state_ == State::Joined)
        session_.sendChat(line);
}

void Station::keepRecords(const QString& folder)
{
    recorder_ = std::make_unique<record::Recorder>(folder, [this](const QString& why) { emit recordFailed(why); });
    match_.setLog(recorder_.get());
}

void Station::setAutoPlay(bool on)
{
    autoPlay_ = on;
    updateAutoPlay();
}

void Station::updateAutoPlay()
{
    match_.setAutoPlay(autoPlay_ || leftGame_);
}

} // namespace match
