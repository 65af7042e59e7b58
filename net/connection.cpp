#include "net/connection.h"

#include "net/message.h"

#include <QTcpSocket>
#include <QTimer>

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
    if (socket_->state() == QAbstractSocket::ConnectedState)
        probe_.watch(socket_->socketDescriptor());
    connect(socket_, &QTcpSocket::connected, this, [this] {
        buffer_.clear();
        probe_.watch(socket_->socketDescriptor());
    });
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readable);
    // Qt reports the error that closed a socket before the socket becomes unconnected, so
    // whoever handles it can still ask how it closed; a close of our own lets go at once.
    connect(socket_, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState s) {
        if (s == QAbstractSocket::UnconnectedState)
            probe_.release();
    });
}

Connection::SendResult Connection::DataSend(const QStringList& lines)
{
    if (socket_->state() != QAbstractSocket::ConnectedState)
        return SendResult::NotConnected;
    const QByteArray bytes = encodeMessage(lines);
    if (socket_->write(bytes) != bytes.size())
        return SendResult::Failed;
    socket_->flush();
    // A write that the system refuses aborts the socket.
    return socket_->state() == QAbstractSocket::ConnectedState ? SendResult::Sent : SendResult::Failed;
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
