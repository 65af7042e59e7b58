#include "net/hostserver.h"

#include "net/listensocket.h"
#include "net/socketerror.h"
#include "rules/failure.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <unistd.h>
#include <utility>

namespace net {

HostServer::HostServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this))
{
    connect(server_, &QTcpServer::newConnection, this, &HostServer::accept);
}

HostServer::~HostServer()
{
    for (const Guest& g : guests_)
        g.link->socket()->disconnect(this);
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
    const QList<Guest> closing = std::exchange(guests_, {});
    for (const Guest& g : closing) {
        g.link->socket()->disconnect(this);
        g.link->disconnect(this);
        g.link->socket()->close();
        g.link->deleteLater();
    }
}

QList<Connection*> HostServer::guests() const
{
    QList<Connection*> links;
    for (const Guest& g : guests_)
        links.append(g.link);
    return links;
}

void HostServer::accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        // Moves are small and each must leave at once, not wait for the last one's acknowledgement.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto* guest = new Connection(Sender::Guest, socket, this);
        guests_.append({guest, 0});
        connect(guest, &Connection::readable, this, [this, guest] { drain(guest); });
        connect(socket, &QAbstractSocket::errorOccurred, this,
                [this, guest](QAbstractSocket::SocketError e) { brokeDown(guest, e); });
        connect(socket, &QAbstractSocket::disconnected, this, [this, guest] { drop(guest); });
    }
}

void HostServer::drain(Connection* guest)
{
    QStringList message;
    while (indexOf(guest) >= 0 && guest->DataReceive(message))
        emit messageArrived(guest, message);
}

// A guest that closed its side goes quietly; any other error of its own is reported.
void HostServer::brokeDown(Connection* guest, QAbstractSocket::SocketError error)
{
    if (sending_ || indexOf(guest) < 0)
        return;
    drop(guest);
    if (error != QAbstractSocket::RemoteHostClosedError)
        emit failed(asyncSocketErrorText(errnoFor(error)));
}

void HostServer::drop(Connection* guest)
{
    const qsizetype i = indexOf(guest);
    if (i < 0)
        return;
    guests_.removeAt(i);
    guest->socket()->disconnect(this);
    guest->disconnect(this);
    guest->socket()->abort();
    guest->deleteLater();
}

qsizetype HostServer::indexOf(const Connection* guest) const
{
    for (qsizetype i = 0; i < guests_.size(); ++i)
        if (guests_[i].link == guest)
            return i;
    return -1;
}

void HostServer::relay(const Addressing& messageFor)
{
    QStringList failures;
    const QList<Connection*> links = guests();
    for (int i = 0; i < links.size(); ++i) {
        const auto lines = messageFor(i, links[i]);
        if (!lines || indexOf(links[i]) < 0)
            continue;
        sending_ = true;
        const auto result = links[i]->DataSend(*lines);
        sending_ = false;
        if (result == Connection::SendResult::Failed) {
            failures << socketErrorText(errnoFor(links[i]->socket()->error()), "send");
            drop(links[i]);
        }
    }
    for (const QString& f : failures)
        emit failed(f);
}

void HostServer::sendToGuests(const QStringList& lines, const Connection* except)
{
    relay([&](int, const Connection* guest) -> std::optional<QStringList> {
        if (guest == except)
            return std::nullopt;
        return lines;
    });
}

void HostServer::startGame(StartSettings settings)
{
    for (qsizetype i = 0; i < guests_.size(); ++i)
        guests_[i].seat = int(i) + 2;
    relay([&](int index, const Connection*) -> std::optional<QStringList> {
        settings.seat = index + 2;
        return startMessage(settings);
    });
}

bool HostServer::mayMove(const Connection* guest, int curPlayer) const
{
    const qsizetype i = indexOf(guest);
    return i >= 0 && guests_[i].seat == curPlayer;
}

} // namespace net
