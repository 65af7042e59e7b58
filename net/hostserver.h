#pragma once
#include "net/connection.h"
#include "net/lobbymessages.h"

#include <QList>
#include <QAbstractSocket>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QTcpServer;

namespace net {

// The host's listening socket and its guest connections, in the order they were accepted. A
// closed connection drops out and the others keep their order. Every notification arrives on
// the user-interface thread; nothing is emitted while the server is being destroyed.
class HostServer : public QObject {
    Q_OBJECT
public:
    explicit HostServer(QObject* parent = nullptr);
    ~HostServer() override;

    // Listens on every local address, IPv4 and IPv6, at `port` (0 picks a free one). Throws
    // Failure naming the socket call that failed ("socket", "bind" or "listen").
    void listen(quint16 port);
    bool isListening() const;
    quint16 port() const;
    // Stops listening and closes every guest connection without a word to them.
    void close();

    QList<Connection*> guests() const;
    // Closes one guest connection; the others keep their order.
    void closeGuest(Connection* guest) { drop(guest); }

    // What goes to the guest at `index`; nothing when empty.
    using Addressing = std::function<std::optional<QStringList>(int index, const Connection* guest)>;
    // Sends to the guests in connection order. A guest whose send fails is closed and the relay
    // goes on to the others; each failure is reported by failed() once the relay is done.
    void relay(const Addressing& messageFor);
    void sendToGuests(const QStringList& lines, const Connection* except = nullptr);

    // Sends MsgStart to each guest with its seat (index + 2) and notes that seat for its moves.
    void startGame(StartSettings settings);
    // Only the guest whose seat is to move may move; a guest that joined after the start has none.
    bool mayMove(const Connection* guest, int curPlayer) const;

signals:
    void messageArrived(net::Connection* from, const QStringList& message);
    // A failure for the error box: a send that failed, or an error a connection reported itself.
    void failed(const QString& message);

private:
    struct Guest {
        Connection* link;
        int seat;
    };
    void accept();
    void drain(Connection* guest);
    void brokeDown(Connection* guest, QAbstractSocket::SocketError error);
    void drop(Connection* guest);
    qsizetype indexOf(const Connection* guest) const;

    QTcpServer* server_;
    QList<Guest> guests_;
    bool sending_ = false; // errors raised inside a send are reported by the relay
};

} // namespace net
