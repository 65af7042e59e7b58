#pragma once
#include "net/messagebuffer.h"

#include <QObject>
#include <QStringList>

class QTcpSocket;
class QTimer;

namespace net {

// What may wait for one slow reader: the host's memory stays bounded whoever stops reading.
constexpr qint64 MaxQueuedBytes = 64 * 1024;

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
    // Failed the socket has been aborted and sendError() tells why; a peer that leaves
    // more than MaxQueuedBytes unread fails as if the system had refused the send.
    SendResult DataSend(const QStringList& lines);
    // The next whole message replaces `into`; false while none is whole.
    bool DataReceive(QStringList& into);
    // The name this guest joined with, so that the host's reply can be framed.
    void setOwnName(const QString& name) { buffer_.setOwnName(name); }
    // The message last received came right behind a chat in the same burst.
    bool followsChat() const { return buffer_.followsChat(); }
    // Why the last send failed: the system's error number.
    int sendError() const { return sendError_; }
    // The peer ended the connection with a reset rather than in order.
    bool peerReset() const { return reset_; }

signals:
    // New bytes have arrived: call DataReceive until it returns false.
    void readable();

private:
    QTcpSocket* socket_;
    MessageBuffer buffer_;
    QTimer* quiet_; // looks again once a held part has been quiet long enough
    bool reset_ = false;
    int sendError_ = 0;
};

} // namespace net
