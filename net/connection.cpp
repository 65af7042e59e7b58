#include "net/connection.h"

#include "net/message.h"
#include "net/socketerror.h"

#include <QTcpSocket>
#include <QTimer>
#include <cerrno>

namespace net {

// Bytes waiting in the socket beyond this stay in the system's buffers, which slows the peer.
constexpr qint64 ReadBufferBytes = 64 * MaxMessageBytes;

Connection::Connection(Sender from, QTcpSocket* socket, QObject* parent)
    : QObject(parent), socket_(socket ? socket : new QTcpSocket), buffer_(from), quiet_(new QTimer(this))
{
    quiet_->setSingleShot(true);
    quiet_->setInterval(int(QuietGapMs) + 20);
    connect(quiet_, &QTimer::timeout, this, &Connection::readable);
    socket_->setParent(this);
    socket_->setReadBufferSize(ReadBufferBytes);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        buffer_.clear();
        reset_ = false;
    });
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readable);
    // Connected first, so this runs before anyone else hears of the error. Qt reads a reset as
    // the end of the stream and closes the descriptor before it reports either, but the read's
    // error number is still the thread's last; clearing it keeps one close from seeing another's.
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        reset_ = e == QAbstractSocket::RemoteHostClosedError && errno == ECONNRESET;
        errno = 0;
    });
}

Connection::SendResult Connection::DataSend(const QStringList& lines)
{
    // A host's close is seen as the end of the stream, whose descriptor Qt closes before the
    // socket leaves its connected state: nothing can go out any more.
    if (socket_->state() != QAbstractSocket::ConnectedState || !socket_->isValid())
        return SendResult::NotConnected;
    const QByteArray bytes = encodeMessage(lines);
    if (socket_->write(bytes) != bytes.size()) {
        sendError_ = errnoFor(socket_->error());
        return SendResult::Failed;
    }
    socket_->flush();
    if (socket_->bytesToWrite() > MaxQueuedBytes) {
        sendError_ = ENOBUFS;
        socket_->abort();
        return SendResult::Failed;
    }
    // A write that the system refuses aborts the socket.
    if (socket_->state() == QAbstractSocket::ConnectedState)
        return SendResult::Sent;
    sendError_ = errnoFor(socket_->error());
    return SendResult::Failed;
}

bool Connection::DataReceive(QStringList& into)
{
    // Reads from the socket only when no whole message is held, so the buffer stays small.
    bool drained = false;
    for (;;) {
        if (auto message = buffer_.next()) {
            into = std::move(*message);
            return true;
        }
        if (socket_->bytesAvailable() > 0) {
            buffer_.append(socket_->readAll());
            continue;
        }
        // Time spent in a handler is not quiet on the line: the gap starts once the socket is empty.
        if (drained)
            return false;
        buffer_.drained();
        drained = true;
        if (buffer_.holding())
            quiet_->start();
    }
}

} // namespace net
