#include "net/socketerror.h"

#include "net/message.h"
#include "rules/failure.h"

#include <cerrno>
#include <cstring>
#include <QCoreApplication>

namespace net {

// The text stays the one players know from the other stations' error boxes, with the number
// and the message of this system.
QString socketErrorText(int errnum, const char* api)
{
    return QCoreApplication::translate("net", "Windows ソケットエラー： %1 (%2) [API '%3']")
        .arg(QString::fromLocal8Bit(std::strerror(errnum)))
        .arg(errnum)
        .arg(QLatin1String(api));
}

int errnoFor(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return ECONNREFUSED;
    case QAbstractSocket::RemoteHostClosedError: return ECONNRESET;
    case QAbstractSocket::HostNotFoundError: return EHOSTUNREACH;
    case QAbstractSocket::SocketAccessError: return EACCES;
    case QAbstractSocket::SocketResourceError: return ENOBUFS;
    case QAbstractSocket::SocketTimeoutError: return ETIMEDOUT;
    case QAbstractSocket::DatagramTooLargeError: return EMSGSIZE;
    case QAbstractSocket::NetworkError: return ENETDOWN;
    case QAbstractSocket::AddressInUseError: return EADDRINUSE;
    case QAbstractSocket::SocketAddressNotAvailableError: return EADDRNOTAVAIL;
    case QAbstractSocket::UnsupportedSocketOperationError: return EOPNOTSUPP;
    default: return EIO;
    }
}

QString asyncSocketErrorText(int code)
{
    return QCoreApplication::translate("net", "非同期ソケットエラー %1").arg(code);
}

quint16 portNumber(const QString& text, const char* api)
{
    const auto port = lineNumber(QStringList{text}, 0);
    if (!port)
        throw Failure(QCoreApplication::translate("net", "'%1' は整数ではありません").arg(text));
    if (*port < 0 || *port > 65535)
        throw Failure(socketErrorText(EINVAL, api));
    return static_cast<quint16>(*port);
}

} // namespace net
