#pragma once
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>

class QTcpSocket;
class QWebSocket;

namespace net {

// The host's page for browsers: plain HTTP for the page's files from the program's resources,
// and on the same port the page's WebSocket, from the page's own origin only. It knows nothing
// of the lobby: it hands on whole text frames and sends what it is given. A page that floods,
// sends oversized or binary frames, or keeps a connection idle without a request is closed.
class WebServer : public QObject {
    Q_OBJECT
public:
    // Negative, so that a page's id never meets a TCP guest's.
    using PageId = int;
    static constexpr int MaxPages = 16;
    static constexpr int MaxFramesPerSecond = 20;
    static constexpr int RequestDeadlineMs = 5000;

    explicit WebServer(QObject* parent = nullptr);
    ~WebServer() override;

    // Listens on every local address; throws Failure when the port cannot be had.
    void listen(quint16 port);
    // Every page and request is closed without a word.
    void close();
    bool isListening() const { return http_.isListening(); }
    quint16 port() const { return http_.serverPort(); }

    void send(PageId page, const QByteArray& frame);
    void hangUp(PageId page);

signals:
    void received(net::WebServer::PageId page, const QByteArray& frame);
    // The page's connection is gone, whichever side closed it.
    void closed(net::WebServer::PageId page);

private:
    struct Page {
        QWebSocket* socket = nullptr;
        QElapsedTimer window; // the second its frames are counted in
        int frames = 0;
    };
    void incoming();
    void readHead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& head);
    void upgraded();
    void frameArrived(PageId page, const QString& text);
    bool withinRate(Page& page);
    void closeLate();

    QTcpServer http_;
    QWebSocketServer upgrades_;
    QHash<QTcpSocket*, qint64> waiting_; // requests not yet answered, by when they came
    QHash<PageId, Page> pages_;
    PageId nextId_ = -1;
    QTimer deadline_;
    QElapsedTimer clock_;
};

} // namespace net
