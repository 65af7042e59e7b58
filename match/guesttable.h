#pragma once
#include "match/table.h"
#include "net/guestsession.h"

#include <QObject>
#include <functional>

namespace match {

class Match;

// A guest's side of a match: its own moves go to the host, the host's start messages set up
// its games and the host's moves are applied as they come.
class GuestTable : public QObject, public Table, public net::GuestGame {
    Q_OBJECT
public:
    // members gives the member list a new game takes its names from.
    GuestTable(Match& match, std::function<QStringList()> members, QObject* parent = nullptr);
    void setSession(net::GuestSession* session) { session_ = session; }

    void announce(int turnSeat, rules::Cell cell, bool madeHere) override;
    bool startGame(const net::StartSettings& settings) override;
    bool gameRunning() const override;
    bool awaits(const net::Move& move) const override;
    void moveArrived(const net::Move& move) override;
    void overruled(const net::Move& move) override;
    void stopGame() override;
    void catchingUp(bool on) override;

signals:
    // A start message is about to set up a game with these settings.
    void starting(const net::StartSettings& settings);
    // A move from the host does not fit the board here (said once a game), or this station's
    // move came too late: what the chat shows.
    void outOfStep(const QString& notice);

private:
    Match& match_;
    std::function<QStringList()> members_;
    net::GuestSession* session_ = nullptr;
    bool desyncShown_ = false;
    bool catchUpBegun_ = false; // the host's mark came, and the start it announced is next
};

} // namespace match
