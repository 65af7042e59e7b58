#pragma once
#include "net/hostlobby.h"
#include "rules/outcome.h"
#include "rules/position.h"
#include "rules/showtime.h"

#include <QObject>
#include <QTimer>

namespace match {

class Match;

// Brings a returning member's station up to the game under way: a mark that a catch-up begins,
// a start with the game's settings and its seat, then every move so far in order, each with the
// seat to move after it, as the host relayed them, and a mark that it is over; each apart in
// time, so that a station that takes one read as one message and shows a move before it reads
// again meets each in a read of its own. Moves played meanwhile join the stream; until
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
    enum class Step { Begin, Start, Moves } step_ = Step::Begin;
    std::size_t sent_ = 0;
    rules::Position replay_; // the game as the station has it so far
    QTimer pace_;
};

} // namespace match
