#pragma once
#include <QtGlobal>

namespace net {

// A socket listening on every local address at `port`: IPv6 taking IPv4 as well, or IPv4
// alone where the system has no IPv6. Made by hand so that a failure keeps the system's error
// number; throws Failure with the failing call ("socket", "bind", "listen").
int openListeningSocket(quint16 port);

} // namespace net
