#pragma once
#include "net/messagebuffer.h"
#include "net/resetprobe.h"

#include <QObject>
#include <QStringList>

class QTcpSocket;
class QTimer;

namespace net {

// One TCP connection between the host and a guest: whole messages out, whole messages in.
// The socket stays reachable for its state, its error signals and closing; delete a Connection
// from its own socket's signals only with deleteLater().
class Connection : public QObject {
    Q_OBJECT
public:
    enum class SendResult { Sent, NotConnected, Failed };

    // Adopts `socket` (one a server accepted); without one it makes its own for connectToHost.
    explicit Connection(Sender from, QTcpSocket* socket = nullptr, QObject* parent = nullptr);

    QTcpSocket* socket() const { return socket_; }

    // Puts the message on the wire at once, so that it leaves before the caller pauses. On
    // Failed the socket has been aborted and socket()->error() tells why.
    SendResult DataSend(const QStringList& lines);
    // The next whole message replaces `into`; false while none is whole.
    bool DataReceive(QStringList& into);
    // The name this guest joined with, so that the host's reply can be framed.
    void setOwnName(const QString& name) { buffer_.setOwnName(name); }
    // The message last received came right behind a chat in the same burst.
    bool followsChat() const { return buffer_.followsChat(); }
    // The peer ended the connection with a reset rather than in order.
    bool peerReset() const { return probe_.wasReset(); }

signals:
    // New bytes have arrived: call DataReceive until it returns false.
    void readable();

private:
    QTcpSocket* socket_;
    MessageBuffer buffer_;
    ResetProbe probe_;
    QTimer* quiet_; // looks again once a held part has been quiet long enough
};

} // namespace net
