#include "net/guestlink.h"

#include <QTcpSocket>

namespace net {

GuestLink::GuestLink(QObject* parent) : QObject(parent)
{
}

GuestLink::~GuestLink()
{
    if (link_)
        link_->socket()->disconnect(this);
}

void GuestLink::connectTo(const QString& host, quint16 port)
{
    abandon();
    link_ = new Connection(Sender::Host, nullptr, this);
    wasConnected_ = false;
    closingAnnounced_ = false;
    watch(link_->socket());
    link_->socket()->connectToHost(host, port);
}

void GuestLink::watch(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        wasConnected_ = true;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit connected();
    });
    connect(link_, &Connection::readable, this, &GuestLink::drain);
    connect(socket, &QTcpSocket::errorOccurred, this, &GuestLink::brokeDown);
    // Handlers of aboutToClose can still send; by disconnected the connection is gone.
    connect(socket, &QTcpSocket::aboutToClose, this, [this] {
        if (!sending_ && isConnected())
            announceClosing();
    });
    // After close() has announced closing, this is its own end; otherwise the host's.
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (!sending_)
            hostClosed();
    });
}

bool GuestLink::isConnected() const
{
    return link_ && link_->socket()->state() == QAbstractSocket::ConnectedState;
}

void GuestLink::close()
{
    if (isConnected())
        link_->socket()->close();
    abandon();
}

Connection::SendResult GuestLink::send(const QStringList& lines)
{
    if (!link_)
        return Connection::SendResult::NotConnected;
    sending_ = true;
    const auto result = link_->DataSend(lines);
    sending_ = false;
    if (result == Connection::SendResult::Failed)
        emit failed();
    return result;
}

void GuestLink::setOwnName(const QString& name)
{
    if (link_)
        link_->setOwnName(name);
}

void GuestLink::drain()
{
    const Connection* current = link_;
    QStringList message;
    while (link_ && link_ == current && link_->DataReceive(message))
        emit messageArrived(message);
}

// The host closing its side in order is a disconnection; a reset is a failure.
void GuestLink::brokeDown(QAbstractSocket::SocketError error)
{
    if (sending_)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError && !(link_ && link_->peerReset()))
        hostClosed();
    else
        emit failed();
}

void GuestLink::hostClosed()
{
    if (!wasConnected_ || closingAnnounced_)
        return;
    const Connection* current = link_;
    announceClosing();
    if (link_ == current) // a goodbye that failed was reported as a failure, and closed the link
        emit lost();
}

void GuestLink::announceClosing()
{
    if (!wasConnected_ || closingAnnounced_)
        return;
    closingAnnounced_ = true;
    emit closing();
}

void GuestLink::abandon()
{
    if (!link_)
        return;
    link_->socket()->disconnect(this);
    link_->disconnect(this);
    link_->socket()->abort();
    link_->deleteLater();
    link_ = nullptr;
}

} // namespace net
