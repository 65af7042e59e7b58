#pragma once
#include "match/catchup.h"
#include "match/computerseat.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

namespace match {

class Match;

// The host keeps its table going when a guest goes: a computer plays the seat of a member that
// left during a game, and a seat whose station stays silent past the time limit and a grace
// passes as its own time-out would. A member that joins again under its name has its seat back
// once its station has caught up. A new game gives every seat back.
class TableKeeper : public QObject {
    Q_OBJECT
public:
    // Between a notice and the host's next message, so that a station that reads a whole burst
    // as one message meets each on its own.
    static constexpr int ApartMs = 400;
    // Beyond the time limit, for a station whose own time-out is on its way.
    static constexpr int GraceSeconds = 3;

    TableKeeper(Match& match, net::HostLobby& lobby, QObject* parent = nullptr);
    ~TableKeeper() override;

    // Only a host keeps the table.
    void setActive(bool active);
    bool playsSeat(int seat) const { return standIns_[std::size_t(seat)] != nullptr; }

signals:
    // What the host's chat log shows of it; the guests get the same line.
    void chatLine(const QString& line);

private:
    void seatLeft(int seat, const QString& name);
    void takeOver(int seat, const QString& name, int game, int returns);
    void seatReturned(int seat, net::HostLobby::GuestId guest);
    void caughtUp(int seat);
    void awaiting(int seat);
    void newGame();
    void giveBack(int seat);

    Match& match_;
    net::HostLobby& lobby_;
    bool active_ = false;
    int game_ = 0; // counts games, so that a take-over meant for an earlier one is dropped
    std::array<std::unique_ptr<ComputerSeat>, 5> standIns_;
    std::array<std::unique_ptr<CatchUp>, 5> catchUps_;
    std::array<int, 5> returns_{}; // counts returns by seat, so that a take-over for one who is back is dropped
    QTimer silence_;
    int silentSeat_ = 0;
};

} // namespace match
