#include "net/webserver.h"

#include "net/httphead.h"
#include "net/pageprotocol.h"
#include "rules/failure.h"

#include <QFile>
#include <QTcpSocket>
#include <QWebSocket>

namespace net {

WebServer::WebServer(QObject* parent)
    : QObject(parent), upgrades_(QStringLiteral("taisen"), QWebSocketServer::NonSecureMode)
{
    http_.setMaxPendingConnections(MaxPages * 2);
    connect(&http_, &QTcpServer::newConnection, this, &WebServer::incoming);
    connect(&upgrades_, &QWebSocketServer::newConnection, this, &WebServer::upgraded);
    deadline_.setInterval(RequestDeadlineMs / 4);
    connect(&deadline_, &QTimer::timeout, this, &WebServer::closeLate);
    clock_.start();
}

WebServer::~WebServer()
{
    close();
}

void WebServer::listen(quint16 port)
{
    if (!http_.listen(QHostAddress::Any, port))
        throw Failure(tr("◆ブラウザー用のページを出せません（ポート%1）：%2").arg(port).arg(http_.errorString()));
    deadline_.start();
}

void WebServer::close()
{
    http_.close();
    deadline_.stop();
    for (QTcpSocket* s : std::exchange(waiting_, {}).keys()) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
    for (const Page& p : std::exchange(pages_, {})) {
        p.socket->disconnect(this);
        p.socket->abort();
        p.socket->deleteLater();
    }
}

void WebServer::incoming()
{
    while (QTcpSocket* socket = http_.nextPendingConnection()) {
        if (waiting_.size() >= MaxPages * 2) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        waiting_.insert(socket, clock_.elapsed());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readHead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            waiting_.remove(socket);
            socket->deleteLater();
        });
    }
}

// The head is only peeked at, so that an upgrade hands the socket on with its request unread.
void WebServer::readHead(QTcpSocket* socket)
{
    const QByteArray bytes = socket->peek(MaxRequestHeadBytes + 1);
    if (headEnd(bytes) < 0 && bytes.size() <= MaxRequestHeadBytes)
        return;
    waiting_.remove(socket);
    socket->disconnect(this);
    const auto head = parseRequestHead(bytes);
    if (head && isOwnUpgrade(*head) && pages_.size() < MaxPages) {
        upgrades_.handleConnection(socket);
        return;
    }
    answer(socket, bytes);
}

void WebServer::answer(QTcpSocket* socket, const QByteArray& bytes)
{
    const auto head = parseRequestHead(bytes);
    const QString resource = head ? pageResource(head->path) : QString();
    QFile file(resource);
    QByteArray response;
    if (!head)
        response = httpResponse(400, "text/plain", "bad request\n");
    else if (head->path == "/ws")
        response = httpResponse(pages_.size() < MaxPages ? 403 : 503, "text/plain", "no\n");
    else if (head->method != "GET")
        response = httpResponse(405, "text/plain", "GET only\n");
    else if (resource.isEmpty() || !file.open(QIODevice::ReadOnly))
        response = httpResponse(404, "text/plain", "not found\n");
    else
        response = httpResponse(200, contentType(resource), file.readAll());
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->write(response);
    socket->disconnectFromHost();
}

void WebServer::upgraded()
{
    while (QWebSocket* socket = upgrades_.nextPendingConnection()) {
        const PageId id = nextId_--;
        socket->setMaxAllowedIncomingFrameSize(MaxPageFrameBytes);
        socket->setMaxAllowedIncomingMessageSize(MaxPageFrameBytes);
        pages_.insert(id, Page{socket, {}, 0});
        pages_[id].window.start();
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, id](const QString& text) { frameArrived(id, text); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, id] { hangUp(id); });
        connect(socket, &QWebSocket::disconnected, this, [this, id] {
            if (const auto it = pages_.find(id); it != pages_.end()) {
                it->socket->deleteLater();
                pages_.erase(it);
                emit closed(id);
            }
        });
    }
}

void WebServer::frameArrived(PageId id, const QString& text)
{
    const auto it = pages_.find(id);
    if (it == pages_.end())
        return;
    if (!withinRate(*it)) {
        hangUp(id);
        return;
    }
    emit received(id, text.toUtf8());
}

bool WebServer::withinRate(Page& page)
{
    if (page.window.elapsed() >= 1000) {
        page.window.restart();
        page.frames = 0;
    }
    return ++page.frames <= MaxFramesPerSecond;
}

void WebServer::send(PageId id, const QByteArray& frame)
{
    if (const auto it = pages_.find(id); it != pages_.end())
        it->socket->sendTextMessage(QString::fromUtf8(frame));
}

// The page hears of it as a closed socket; the lobby hears of it through closed().
void WebServer::hangUp(PageId id)
{
    const auto it = pages_.find(id);
    if (it == pages_.end())
        return;
    QWebSocket* socket = it->socket;
    pages_.erase(it);
    socket->disconnect(this);
    socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
    socket->deleteLater();
    QMetaObject::invokeMethod(
        this, [this, id] { emit closed(id); }, Qt::QueuedConnection);
}

void WebServer::closeLate()
{
    const qint64 now = clock_.elapsed();
    QList<QTcpSocket*> late;
    for (auto it = waiting_.cbegin(); it != waiting_.cend(); ++it)
        if (now - it.value() >= RequestDeadlineMs)
            late << it.key();
    for (QTcpSocket* s : late) {
        waiting_.remove(s);
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
}

} // namespace net
