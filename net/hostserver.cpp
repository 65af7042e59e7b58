#include "net/hostserver.h"

#include "net/listensocket.h"
#include "net/socketerror.h"
#include "rules/failure.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <unistd.h>
#include <utility>

namespace net {

HostServer::HostServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this)), lobby_(*this)
{
    connect(server_, &QTcpServer::newConnection, this, &HostServer::accept);
}

HostServer::~HostServer()
{
    for (const Link& l : links_)
        l.connection->socket()->disconnect(this);
}

void HostServer::listen(quint16 port)
{
    const int fd = openListeningSocket(port);
    if (!server_->setSocketDescriptor(fd)) {
        ::close(fd);
        throw Failure(socketErrorText(errnoFor(server_->serverError()), "listen"));
    }
}

bool HostServer::isListening() const
{
    return server_->isListening();
}

quint16 HostServer::port() const
{
    return server_->serverPort();
}

void HostServer::close()
{
    server_->close();
    lobby_.shut();
    const QList<Link> closing = std::exchange(links_, {});
    for (const Link& l : closing) {
        l.connection->socket()->disconnect(this);
        l.connection->disconnect(this);
        l.connection->socket()->close();
        l.connection->deleteLater();
    }
}

void HostServer::accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        // Moves are small and each must leave at once, not wait for the last one's acknowledgement.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const HostLobby::GuestId id = nextId_++;
        auto* connection = new Connection(Sender::Guest, socket, this);
        links_.append({id, connection});
        lobby_.accepted(id);
        connect(connection, &Connection::readable, this, [this, id] { drain(id); });
        connect(socket, &QAbstractSocket::errorOccurred, this,
                [this, id](QAbstractSocket::SocketError e) { brokeDown(id, e); });
        connect(socket, &QAbstractSocket::disconnected, this, [this, id] { drop(id); });
    }
}

Connection* HostServer::find(HostLobby::GuestId id) const
{
    for (const Link& l : links_)
        if (l.id == id)
            return l.connection;
    return nullptr;
}

void HostServer::drain(HostLobby::GuestId id)
{
    QStringList message;
    while (Connection* c = find(id)) {
        if (!c->DataReceive(message))
            return;
        lobby_.SSClientRead(id, message);
    }
}

// A guest that closed its side goes quietly; a reset or any other error is reported.
void HostServer::brokeDown(HostLobby::GuestId id, QAbstractSocket::SocketError error)
{
    const Connection* c = find(id);
    if (sending_ || !c)
        return;
    const bool reset = error == QAbstractSocket::RemoteHostClosedError && c->peerReset();
    drop(id);
    if (reset)
        emit failed(socketErrorText(ECONNRESET, "recv"));
    else if (error != QAbstractSocket::RemoteHostClosedError)
        emit failed(asyncSocketErrorText(errnoFor(error)));
}

void HostServer::send(HostLobby::GuestId to, const QStringList& message)
{
    Connection* c = find(to);
    if (!c)
        return;
    sending_ = true;
    const auto result = c->DataSend(message);
    sending_ = false;
    if (result != Connection::SendResult::Failed)
        return;
    const QString failure = socketErrorText(errnoFor(c->socket()->error()), "send");
    drop(to);
    emit failed(failure);
}

void HostServer::hangUp(HostLobby::GuestId guest)
{
    drop(guest);
}

// The lobby hears of it once the handler that is running has finished with its list.
void HostServer::drop(HostLobby::GuestId id)
{
    Connection* c = find(id);
    if (!c)
        return;
    links_.removeIf([&](const Link& l) { return l.id == id; });
    c->socket()->disconnect(this);
    c->disconnect(this);
    c->socket()->abort();
    c->deleteLater();
    QMetaObject::invokeMethod(this, [this, id] { lobby_.closed(id); }, Qt::QueuedConnection);
}

} // namespace net
