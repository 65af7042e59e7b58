#pragma once
#include <QAbstractSocket>
#include <QString>

// How socket failures read in the error box.
namespace net {

// "Windows ソケットエラー： <text> (<number>) [API '<api>']" with the system's text for errnum.
QString socketErrorText(int errnum, const char* api);
// The system error number closest to what Qt reports for a socket.
int errnoFor(QAbstractSocket::SocketError error);
// An error that a guest connection reported by itself, outside a send or receive.
QString asyncSocketErrorText(int code);

// The port typed into the lobby: "'<text>' は整数ではありません" unless it is a decimal integer;
// an integer outside 0..65535 fails like the socket call `api` would.
quint16 portNumber(const QString& text, const char* api);

} // namespace net
