#pragma once
#include <QHostAddress>
#include <QList>
#include <QString>

namespace ui {

// The address other stations can reach this one at, in dotted form: the first IPv4 address the
// host name resolves to that is not a loopback address; when there is none (Linux often maps
// the host name to 127.0.1.1 only, or the name does not resolve) the first such address of an
// interface; otherwise empty.
QString chooseLocalAddress(const QList<QHostAddress>& resolved, const QList<QHostAddress>& interfaces);

// Resolves the local host name once (this blocks briefly) and reads the interfaces that are up.
QString localAddress();

} // namespace ui
