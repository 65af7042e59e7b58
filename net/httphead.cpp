#include "net/httphead.h"

#include <QRegularExpression>

namespace net {

qsizetype headEnd(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf("\r\n\r\n");
    return at < 0 ? -1 : at + 4;
}

std::optional<RequestHead> parseRequestHead(const QByteArray& bytes)
{
    const qsizetype end = headEnd(bytes);
    if (end < 0 || end > MaxRequestHeadBytes)
        return std::nullopt;
    const QList<QByteArray> lines = bytes.first(end - 4).split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() != 3 || !request[2].startsWith("HTTP/1.") || !request[1].startsWith('/'))
        return std::nullopt;
    RequestHead head{request[0], request[1].split('?').first(), {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0)
            return std::nullopt;
        head.headers.insert(lines[i].first(colon).trimmed().toLower(), lines[i].sliced(colon + 1).trimmed());
    }
    return head;
}

// Browsers send the origin of the page that opens the socket; the page's own is the address it
// was loaded from, which the Host header names.
bool isOwnUpgrade(const RequestHead& head)
{
    const QByteArray host = head.header("host");
    return head.method == "GET" && head.path == "/ws" && head.header("upgrade").toLower() == "websocket" &&
           !host.isEmpty() && head.header("origin") == "http://" + host;
}

QString pageResource(const QByteArray& path)
{
    if (path == "/")
        return QStringLiteral(":/web/index.html");
    static const QRegularExpression file(QStringLiteral("^/[a-z]+\\.(js|css|html|svg)$"));
    const QString p = QString::fromLatin1(path);
    return file.match(p).hasMatch() ? QStringLiteral(":/web") + p : QString();
}

QByteArray contentType(const QString& resource)
{
    if (resource.endsWith(QLatin1String(".js")))
        return "text/javascript; charset=utf-8";
    if (resource.endsWith(QLatin1String(".css")))
        return "text/css; charset=utf-8";
    if (resource.endsWith(QLatin1String(".svg")))
        return "image/svg+xml";
    return "text/html; charset=utf-8";
}

QByteArray httpResponse(int status, const QByteArray& type, const QByteArray& body)
{
    static const QHash<int, QByteArray> reasons{
        {200, "OK"},        {400, "Bad Request"},        {403, "Forbidden"},
        {404, "Not Found"}, {405, "Method Not Allowed"}, {503, "Service Unavailable"}};
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasons.value(status) + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff"
           "\r\nContent-Security-Policy: default-src 'self'; connect-src 'self'; object-src 'none'"
           "\r\nConnection: close\r\n\r\n" +
           body;
}

} // namespace net
