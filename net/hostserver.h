#pragma once
#include "net/admission.h"
#include "net/connection.h"
#include "net/hostlobby.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

namespace net {

class Listener;

// The host's listening socket and its connections, which it hands to the lobby by id once they
// have joined. Until then a connection is only admitted, read and timed: the lobby never hears
// of it. Every notification arrives on the user-interface thread; nothing is emitted while the
// server is being destroyed.
class HostServer : public QObject, private HostLobby::Transport {
    Q_OBJECT
public:
    explicit HostServer(AdmissionLimits limits = {}, QObject* parent = nullptr);
    ~HostServer() override;

    // Listens on every local address, IPv4 and IPv6, at `port` (0 picks a free one). Throws
    // Failure naming the socket call that failed ("socket", "bind" or "listen").
    void listen(quint16 port);
    bool isListening() const;
    quint16 port() const;
    // Stops listening and closes every connection without a word to them.
    void close();

    HostLobby& lobby() { return lobby_; }
    // Members that do not come through this server's socket (a browser's page) are reached
    // through `other`, by ids this server never gives.
    void setOtherMembers(HostLobby::Transport* other) { other_ = other; }
    qsizetype connectionCount() const { return links_.size(); }

signals:
    // A member's failure for the error box: a send or receive that failed, or an error its
    // connection reported itself. The connection has been closed.
    void failed(const QString& message);

private:
    struct Link {
        HostLobby::GuestId id;
        Connection* connection;
        QHostAddress peer;
        qint64 since; // when it was accepted
        bool member = false;
        bool turnedAway = false; // told the room is full, and closed soon
    };
    void send(HostLobby::GuestId to, const QStringList& message) override;
    void hangUp(HostLobby::GuestId guest) override;
    void incoming(int descriptor, const QHostAddress& peer);
    void adopt(int descriptor, const QHostAddress& peer);
    void dropOldestWaiting();
    void drain(HostLobby::GuestId id);
    bool admitJoin(Link& link, const QStringList& message);
    void brokeDown(HostLobby::GuestId id, QAbstractSocket::SocketError error);
    void turnAway(Link& link);
    void drop(HostLobby::GuestId id, bool gently = false);
    void closeLate();
    Link* find(HostLobby::GuestId id);

    Listener* listener_;
    Admission admission_;
    QTimer deadline_; // runs while a connection waits for its join
    QList<Link> links_;
    HostLobby::GuestId nextId_ = 1;
    HostLobby lobby_;
    HostLobby::Transport* other_ = nullptr;
    bool sending_ = false; // errors raised inside a send are reported by the send
};

} // namespace net
