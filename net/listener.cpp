#include "net/listener.h"

#include "net/listensocket.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {

namespace {

// Each costs microseconds, so members still get their turn soon; a flood waits in the system's queue.
constexpr int AcceptsPerTurn = 32;
constexpr int RestMs = 200;

// An IPv4 guest reaches the IPv6 socket under a mapped address; it is counted as itself.
QHostAddress peerAddress(const sockaddr_storage& address)
{
    const QHostAddress peer(reinterpret_cast<const sockaddr*>(&address));
    bool mapped = false;
    const quint32 v4 = peer.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4) : peer;
}

// A connection that failed while it waited in the queue, or an interrupted call: the next one
// may well be accepted.
bool passingError(int error)
{
    switch (error) {
    case EINTR:
    case ECONNABORTED:
    case EPROTO:
    case ENETDOWN:
    case ENOPROTOOPT:
    case EHOSTDOWN:
    case ENONET:
    case EHOSTUNREACH:
    case EOPNOTSUPP:
    case ENETUNREACH:
    case EPERM: return true;
    default: return false;
    }
}

} // namespace

Listener::Listener(QObject* parent) : QObject(parent)
{
    resting_.setSingleShot(true);
    resting_.setInterval(RestMs);
    connect(&resting_, &QTimer::timeout, this, [this] {
        if (notifier_)
            notifier_->setEnabled(true);
    });
}

Listener::~Listener()
{
    close();
}

void Listener::listen(quint16 port)
{
    close();
    fd_ = openListeningSocket(port);
    // Accepting stops when the queue is empty, never waits for the next guest.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Listener::acceptSome);
}

void Listener::close()
{
    resting_.stop();
    delete notifier_;
    notifier_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

quint16 Listener::port() const
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

void Listener::acceptSome()
{
    for (int i = 0; i < AcceptsPerTurn && fd_ >= 0; ++i) {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        const int fd = ::accept4(fd_, reinterpret_cast<sockaddr*>(&address), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            emit incoming(fd, peerAddress(address));
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return;
        if (!passingError(errno)) {
            rest();
            return;
        }
    }
}

// Out of descriptors or memory: a retry at once would fail alike.
void Listener::rest()
{
    notifier_->setEnabled(false);
    resting_.start();
}

} // namespace net
