#include "net/listensocket.h"

#include "net/socketerror.h"
#include "rules/failure.h"

#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {

namespace {

[[noreturn]] void fail(int fd, const char* api)
{
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    throw Failure(socketErrorText(error, api));
}

int bindAny(int fd, int family, quint16 port)
{
    if (family == AF_INET6) {
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        address.sin6_port = htons(port);
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

} // namespace

int openListeningSocket(quint16 port)
{
    int family = AF_INET6;
    int fd = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 && (errno == EAFNOSUPPORT || errno == EPROTONOSUPPORT)) {
        family = AF_INET;
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    }
    if (fd < 0)
        fail(fd, "socket");
    const int on = 1;
    const int off = 0;
    // A port left in TIME_WAIT by an earlier run can be listened on again at once.
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (family == AF_INET6)
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
    if (bindAny(fd, family, port) != 0)
        fail(fd, "bind");
    if (::listen(fd, SOMAXCONN) != 0)
        fail(fd, "listen");
    return fd;
}

} // namespace net
