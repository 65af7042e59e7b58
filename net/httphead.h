#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

// The little of HTTP/1.1 the host's page needs: a request's head read, the page's own files
// named, and a whole answer composed. No socket here.
namespace net {

// A head longer than this is not a browser asking for the page.
constexpr int MaxRequestHeadBytes = 8192;

struct RequestHead {
    QByteArray method;
    QByteArray path;                       // without the query
    QHash<QByteArray, QByteArray> headers; // names in lower case, values trimmed
    QByteArray header(const char* name) const { return headers.value(name); }
};

// The head up to its blank line; empty when `bytes` does not hold a whole, well-formed one.
std::optional<RequestHead> parseRequestHead(const QByteArray& bytes);
// Where the head ends (past its blank line) in `bytes`, or -1.
qsizetype headEnd(const QByteArray& bytes);

// A WebSocket upgrade from a page this host served itself: the page's origin is the host's.
bool isOwnUpgrade(const RequestHead& head);
// The resource of a page file ("/" is the page), or empty for any other path.
QString pageResource(const QByteArray& path);
QByteArray contentType(const QString& resource);
QByteArray httpResponse(int status, const QByteArray& type, const QByteArray& body);

} // namespace net
