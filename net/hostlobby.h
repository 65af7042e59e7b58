#pragma once
#include "net/lobbymessages.h"

#include <QList>
#include <array>
#include <functional>
#include <QObject>
#include <QStringList>

namespace net {

// The host's side of the lobby without sockets or windows: which connections have joined and
// under which name, what goes to whom, the seats of a game and whose move counts. Every
// connection is known by an id; only those that have joined are guests. A peer can act only
// for itself: it names itself once, can only remove itself and can only move for its seat.
// Whether a move counts is the game's business: the lobby tells only whose it is.
class HostLobby : public QObject {
    Q_OBJECT
public:
    using GuestId = int;

    // How messages reach the connections.
    class Transport {
    public:
        virtual ~Transport() = default;
        virtual void send(GuestId to, const QStringList& message) = 0;
        // The guest has said goodbye: nothing more may be sent to it.
        virtual void hangUp(GuestId guest) = 0;
    };

    explicit HostLobby(Transport& transport, QObject* parent = nullptr);

    // Hosting starts with the host as the only member, under the name given (as accepted).
    void open(const QString& hostName);
    // Everyone is forgotten; nothing is sent.
    void shut();

    // A connection from `address` asks to join: until then the lobby knows nothing of it.
    void accepted(GuestId guest, const QString& address = {});
    // The connection is gone, with or without a goodbye; a member leaves as if it had said one.
    void closed(GuestId guest);
    void SSClientRead(GuestId sender, const QStringList& message);
    // The host player sends the member of that name away: it leaves as if it had said goodbye.
    void removeMember(const QString& name);
    // The host player lets the member of that name, which joined from another address than the
    // seat it lost, take that seat back.
    void allowReturn(const QString& name);

    // Sends each guest its seat: the first three members after the host play seats 2 to 4 in
    // the order they joined, later ones watch.
    void startGame(StartSettings settings);
    // A chat line or a move of the host's own goes to every guest.
    void sendToGuests(const QStringList& message);
    // A move the host applied goes to every guest that is not being brought up to the game.
    void relayMove(const QStringList& message);
    void sendTo(GuestId guest, const QStringList& message) { transport_.send(guest, message); }
    // While a returning member is behind, the host's moves reach it only through its catch-up,
    // and its own moves do not count: its board is not yet the game's.
    void setBehind(GuestId guest, bool behind);

    // The seat a joiner takes back, given the one its name would: for seats whose way back is
    // a secret rather than a name (a browser's). Without it the name decides.
    using SeatClaim = std::function<int(GuestId joiner, int byName)>;
    void setSeatClaim(SeatClaim claim) { seatClaim_ = std::move(claim); }

    QStringList members() const;
    // A join under `name` would take back a seat this game lost.
    bool returnsToSeat(const QString& name) const;
    QString hostName() const { return hostName_; }

signals:
    void chatLine(const QString& line);
    void membersChanged(const QStringList& names);
    // A join, leave or chat was handled: the lobby rings.
    void lobbyMessage();
    // Four members make a game; fewer take the settings away again.
    void enoughMembers(bool enough);
    // A member's move, for the seat this game gave it (0 when it has none).
    void moveReceived(int seat, const net::Move& move);
    // A member that the last start gave a seat has gone, whatever the way.
    void seatLeft(int seat, const QString& name);
    // A join under the name of a member whose seat this game lost: it has that seat again and
    // its place among the seated members.
    void seatReturned(int seat, net::HostLobby::GuestId guest);
    // A join under the name of a seat this game lost, from another address than the seat's: it
    // is a new member until the host player allows it the seat.
    void returnAsked(const QString& name, int seat);

private:
    struct Guest {
        GuestId id = 0;
        bool joined = false;
        QString name;
        QString sentName; // the name its join carried, before the host cleaned it
        int seat = 0;
        bool behind = false;
        QString address;
    };
    // A seat this game lost: who sat there and from where.
    struct Vacated {
        QString name;
        QString address;
    };
    Guest* find(GuestId id);
    void join(Guest& guest, const QString& name);
    int vacatedSeat(const QString& name) const;
    void replaceSilent(const Guest& joiner, const QString& name);
    void seatAt(Guest joiner);
    void leave(GuestId id);
    static bool saysGoodbye(const Guest& guest, const QString& name);
    void chat(GuestId sender, QStringList message);
    void move(const Guest& sender, const QStringList& message);
    QList<GuestId> joinedIds() const;

    Transport& transport_;
    QString hostName_;
    QList<Guest> guests_;                           // in the order they joined; those not yet joined after them
    std::array<Vacated, rules::Seats + 1> vacated_; // the seats this game lost, by seat
    SeatClaim seatClaim_;
};

} // namespace net
