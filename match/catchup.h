#pragma once
#include "net/hostlobby.h"
#include "rules/outcome.h"
#include "rules/position.h"

#include <QObject>
#include <QTimer>

namespace match {

class Match;

// How long a guest waits past a caught-up move's gap before it takes the catch-up as over.
constexpr int CatchUpSlackMs = 400;

// How long after a caught-up move the host sends the next: a station that takes one read as one
// message and shows a move before it reads again (each face 100 ms, the jewels' turn) has shown
// this one by then.
int catchUpGapMs(const rules::Outcome& outcome);

// Brings a returning member's station up to the game under way: a start with the game's
// settings and its seat, then every move so far in order, each with the seat to move after it,
// as the host relayed them, and apart in time. Moves played meanwhile join the stream; until
// the station has them all the host's relays pass it by and its own moves do not count.
class CatchUp : public QObject {
    Q_OBJECT
public:
    CatchUp(const Match& match, net::HostLobby& lobby, net::HostLobby::GuestId guest, int seat,
            QObject* parent = nullptr);
    ~CatchUp() override;

signals:
    // The station has every move; the host's relays reach it again.
    void done();

private:
    void sendNext();

    const Match& match_;
    net::HostLobby& lobby_;
    net::HostLobby::GuestId guest_;
    int seat_;
    bool started_ = false;
    std::size_t sent_ = 0;
    rules::Position replay_; // the game as the station has it so far
    QTimer pace_;
};

} // namespace match
