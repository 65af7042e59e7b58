#pragma once
#include "net/lobbymessages.h"

#include <QString>
#include <QStringList>

namespace net {

class GuestLink;

// What a guest session tells the lobby it runs in.
class GuestLobby {
public:
    virtual ~GuestLobby() = default;
    virtual void addChat(const QString& line) = 0;
    virtual void setMembers(const QStringList& names) = 0;
    virtual void ring() = 0; // a join, leave or chat message arrived
};

// What a guest session needs from the game of the station it runs on.
class GuestGame {
public:
    virtual ~GuestGame() = default;
    // Sets up a new game with these settings; false when there is nowhere to play it. Throws
    // Failure when the game cannot start.
    virtual bool startGame(const StartSettings& settings) = 0;
    // A game that a start message set up is under way.
    virtual bool gameRunning() const = 0;
    // The move is another seat's, legal here and handing the turn on: what the game awaits.
    virtual bool awaits(const Move& move) const = 0;
    // A move from the host, to be applied.
    virtual void moveArrived(const Move& move) = 0;
    // The host's move for the turn in which this station moved is another: the host's stands.
    virtual void overruled(const Move& move) = 0;
    // The connection is gone: a game under way stops where it is.
    virtual void stopGame() = 0;
    // The host brings this station up to a game under way (on), or has sent all of it (off).
    virtual void catchingUp(bool on) = 0;
};

// A guest's side of the lobby and the game, without sockets' details or windows: what each
// message from the host does, and what this station sends.
class GuestSession {
public:
    GuestSession(GuestLink& link, GuestLobby& lobby, GuestGame& game) : link_(link), lobby_(lobby), game_(game) {}

    // The connection is up: joins under `name` as the host will accept it, which it returns.
    QString CSConnect(const QString& name);
    void CSRead(const QStringList& message);
    // Says goodbye while the connection can still carry it.
    void CSDisconnect();
    // The connection has ended, whoever ended it: a game under way stops here, unfinished.
    void connectionEnded();
    void sendChat(const QString& line);
    // A move made at this station goes out; the host's copy of it will come back and is dropped.
    void sendgameinfo(int turnSeat, int col, int row);

private:
    void start(const QStringList& message);
    void move(const QStringList& message);
    bool awaited(const Move& move) const;

    GuestLink& link_;
    GuestLobby& lobby_;
    GuestGame& game_;
    QString name_;
    bool started_ = false;      // a start message set up a game on this connection
    Move sent_;                 // this station's last move
    bool awaitingEcho_ = false; // the next move to arrive is sent_ coming back
};

// Shown once a game when a move from another station does not fit the board here.
QString desyncNotice();

} // namespace net
