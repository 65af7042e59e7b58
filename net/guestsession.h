#pragma once
#include "net/lobbymessages.h"

#include <QString>
#include <QStringList>

namespace rules {
class Game;
}

namespace net {

class GuestLink;

// What a guest session needs from the station it runs on: a lobby window, or a computer
// player with no window at all.
class GuestStation {
public:
    virtual ~GuestStation() = default;
    virtual void addChat(const QString& line) = 0;
    virtual void setMembers(const QStringList& names) = 0;
    virtual void ring() {} // a join, leave or chat message arrived
    // Sets up a new game with these settings and gives it: null when there is nowhere to play
    // it. Throws Failure when the game cannot start.
    virtual rules::Game* startGame(const StartSettings& settings) = 0;
};

// A guest's side of the lobby and the game, without sockets' details or windows: what each
// message from the host does, and what this station sends.
class GuestSession {
public:
    GuestSession(GuestLink& link, GuestStation& station) : link_(link), station_(station) {}

    // The connection is up: joins under `name` as the host will accept it, which it returns.
    QString CSConnect(const QString& name);
    void CSRead(const QStringList& message);
    // Says goodbye while the connection can still carry it.
    void CSDisconnect();
    // The connection has ended, whoever ended it: a game under way stops here, unfinished.
    void connectionEnded();
    void sendChat(const QString& line);
    // Only this station's own move, made while its turn is open, goes out; the host's copy of
    // it will come back and is dropped.
    void sendgameinfo(const rules::Game& game, int col, int row);

private:
    void start(const QStringList& message);
    void move(const QStringList& message);
    bool awaited(const Move& move) const;

    GuestLink& link_;
    GuestStation& station_;
    QString name_;
    rules::Game* game_ = nullptr; // the game that MsgStart set up on this connection
    Move sent_;                   // this station's last move
    bool awaitingEcho_ = false;   // the next move to arrive is sent_ coming back
    bool desyncShown_ = false;
};

// Shown once a game when a move from another station does not fit the board here.
QString desyncNotice();

} // namespace net
