#include "net/resetprobe.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {

void ResetProbe::watch(qintptr descriptor)
{
    release();
    if (descriptor >= 0)
        fd_ = ::dup(int(descriptor));
}

bool ResetProbe::wasReset() const
{
    if (fd_ < 0)
        return false;
    tcp_info info{};
    socklen_t length = sizeof info;
    if (::getsockopt(fd_, IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return false;
    // An orderly end leaves the connection waiting for our close; a reset has closed it.
    return info.tcpi_state == TCP_CLOSE;
}

void ResetProbe::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace net
