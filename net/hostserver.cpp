#include "net/hostserver.h"

#include "net/listener.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/socketerror.h"

#include <QTcpSocket>
#include <algorithm>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace net {

namespace {

// A guest whose machine vanished (its network gone, a phone asleep) leaves a connection that
// says nothing: probes after 10 s of quiet find it within half a minute, and data the host sends
// it that goes unanswered for 30 s ends it too. Either way it goes as a member that left.
void noticeSilentPeer(int descriptor)
{
    const int on = 1, idle = 10, interval = 5, probes = 3;
    const unsigned unanswered = 30000;
    setsockopt(descriptor, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    setsockopt(descriptor, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    setsockopt(descriptor, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    setsockopt(descriptor, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
    setsockopt(descriptor, IPPROTO_TCP, TCP_USER_TIMEOUT, &unanswered, sizeof unanswered);
}

// A joiner turned away hears why this long before its close, so that the word and the close
// reach it in reads of their own.
constexpr int TurnAwayMs = 300;

} // namespace

HostServer::HostServer(AdmissionLimits limits, QObject* parent)
    : QObject(parent), listener_(new Listener(this)), admission_(limits), lobby_(*this)
{
    connect(listener_, &Listener::incoming, this, &HostServer::incoming);
    deadline_.setInterval(int(std::clamp<qint64>(limits.joinDeadlineMs / 4, 10, 1000)));
    connect(&deadline_, &QTimer::timeout, this, &HostServer::closeLate);
}

HostServer::~HostServer()
{
    for (const Link& l : links_)
        l.connection->socket()->disconnect(this);
}

void HostServer::listen(quint16 port)
{
    listener_->listen(port);
}

bool HostServer::isListening() const
{
    return listener_->isListening();
}

quint16 HostServer::port() const
{
    return listener_->port();
}

void HostServer::close()
{
    listener_->close();
    deadline_.stop();
    lobby_.shut();
    admission_.clear();
    const QList<Link> closing = std::exchange(links_, {});
    for (const Link& l : closing) {
        l.connection->socket()->disconnect(this);
        l.connection->disconnect(this);
        l.connection->socket()->close();
        l.connection->deleteLater();
    }
}

// A connection beyond the limits is closed before it costs anything more. When all the places
// to wait are taken, the longest waiting goes: idle connections from many addresses then
// cannot keep a guest out.
void HostServer::incoming(int descriptor, const QHostAddress& peer)
{
    if (admission_.waitingFull())
        dropOldestWaiting();
    if (admission_.admit(peer))
        adopt(descriptor, peer);
    else
        ::close(descriptor);
}

void HostServer::adopt(int descriptor, const QHostAddress& peer)
{
    auto* socket = new QTcpSocket;
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(descriptor);
        admission_.closed(peer, false);
        return;
    }
    // Moves are small and each must leave at once, not wait for the last one's acknowledgement.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    noticeSilentPeer(descriptor);
    const HostLobby::GuestId id = nextId_++;
    auto* connection = new Connection(Sender::Guest, socket, this);
    links_.append({id, connection, peer, steadyMilliseconds()});
    connect(connection, &Connection::readable, this, [this, id] { drain(id); });
    connect(socket, &QAbstractSocket::errorOccurred, this,
            [this, id](QAbstractSocket::SocketError e) { brokeDown(id, e); });
    connect(socket, &QAbstractSocket::disconnected, this, [this, id] { drop(id); });
    if (!deadline_.isActive())
        deadline_.start();
}

void HostServer::dropOldestWaiting()
{
    const auto oldest = std::find_if(links_.cbegin(), links_.cend(), [](const Link& l) { return !l.member; });
    if (oldest != links_.cend())
        drop(oldest->id);
}

HostServer::Link* HostServer::find(HostLobby::GuestId id)
{
    for (Link& l : links_)
        if (l.id == id)
            return &l;
    return nullptr;
}

void HostServer::drain(HostLobby::GuestId id)
{
    QStringList message;
    while (Link* l = find(id)) {
        if (!l->connection->DataReceive(message))
            return;
        if (l->member || admitJoin(*l, message))
            lobby_.SSClientRead(id, message);
    }
}

// Only a join makes a member, and only as often as its address may join; anything else that
// comes before it is dropped unread by the lobby.
bool HostServer::admitJoin(Link& link, const QStringList& message)
{
    if (link.turnedAway || lineNumber(message, 0) != MsgJoin)
        return false;
    const bool returning = lobby_.returnsToSeat(message.value(1));
    if (!returning && admission_.roomFull()) {
        turnAway(link);
        return false;
    }
    if (!admission_.join(link.peer, returning)) {
        drop(link.id);
        return false;
    }
    link.member = true;
    lobby_.accepted(link.id, link.peer.toString());
    return true;
}

void HostServer::turnAway(Link& link)
{
    link.turnedAway = true;
    const HostLobby::GuestId id = link.id;
    send(id, chatMessage(roomFullLine(lobby_.members().value(0))));
    QTimer::singleShot(TurnAwayMs, this, [this, id] { drop(id, true); });
}

// Those that have not joined in time are closed; the timer rests once nobody waits.
void HostServer::closeLate()
{
    const qint64 now = steadyMilliseconds();
    QList<HostLobby::GuestId> late;
    bool waiting = false;
    for (const Link& l : links_) {
        if (l.member)
            continue;
        if (now - l.since >= admission_.limits().joinDeadlineMs)
            late << l.id;
        else
            waiting = true;
    }
    for (const HostLobby::GuestId id : late)
        drop(id);
    if (!waiting)
        deadline_.stop();
}

// A member that closed its side goes quietly; a reset or any other error is reported. A
// connection that never joined goes quietly whatever happened to it.
void HostServer::brokeDown(HostLobby::GuestId id, QAbstractSocket::SocketError error)
{
    const Link* l = find(id);
    if (sending_ || !l)
        return;
    const bool member = l->member;
    const bool reset = error == QAbstractSocket::RemoteHostClosedError && l->connection->peerReset();
    drop(id);
    if (!member)
        return;
    if (reset)
        emit failed(socketErrorText(ECONNRESET, "recv"));
    else if (error != QAbstractSocket::RemoteHostClosedError)
        emit failed(asyncSocketErrorText(errnoFor(error)));
}

void HostServer::send(HostLobby::GuestId to, const QStringList& message)
{
    Link* l = find(to);
    if (!l && other_)
        other_->send(to, message);
    if (!l)
        return;
    Connection* c = l->connection;
    sending_ = true;
    const auto result = c->DataSend(message);
    sending_ = false;
    if (result != Connection::SendResult::Failed)
        return;
    const QString failure = socketErrorText(c->sendError(), "send");
    drop(to);
    emit failed(failure);
}

void HostServer::hangUp(HostLobby::GuestId guest)
{
    if (!find(guest) && other_)
        other_->hangUp(guest);
    drop(guest);
}

// The lobby hears of a member's close once the handler that is running has finished with its list.
// Gently: what was sent is delivered before the close.
void HostServer::drop(HostLobby::GuestId id, bool gently)
{
    const Link* l = find(id);
    if (!l)
        return;
    Connection* c = l->connection;
    const bool member = l->member;
    admission_.closed(l->peer, member);
    links_.removeIf([&](const Link& x) { return x.id == id; });
    c->socket()->disconnect(this);
    c->disconnect(this);
    if (gently)
        c->socket()->disconnectFromHost();
    else
        c->socket()->abort();
    c->deleteLater();
    if (member)
        QMetaObject::invokeMethod(
            this, [this, id] { lobby_.closed(id); }, Qt::QueuedConnection);
}

} // namespace net
