#pragma once
#include "net/connection.h"

#include <QAbstractSocket>
#include <QObject>
#include <QStringList>

namespace net {

// A guest's one connection to the host. Connecting is asynchronous; the outcome and every later
// event arrive as signals on the user-interface thread. Nothing is emitted while the link is
// being destroyed.
class GuestLink : public QObject {
    Q_OBJECT
public:
    explicit GuestLink(QObject* parent = nullptr);
    ~GuestLink() override;

    // Starts connecting; an earlier connection or attempt is abandoned first.
    void connectTo(const QString& host, quint16 port);
    bool isConnected() const;
    // An established connection announces closing() while it can still carry a message, then
    // closes; an attempt still under way is abandoned, so that a late success leaves nothing.
    void close();
    // A send that fails closes the connection and reports failed().
    Connection::SendResult send(const QStringList& lines);

    // The name this guest joins with, so that the host's reply can be framed.
    void setOwnName(const QString& name);
    // The message last received came right behind a chat in the same burst.
    bool followsChat() const { return link_ && link_->followsChat(); }

signals:
    void connected();
    void messageArrived(const QStringList& message);
    // The connection is closing, whatever the cause; sometimes it can still carry a message.
    void closing();
    // The host closed the connection in order (its program ended, or it stopped hosting); comes
    // after closing() unless the goodbye failed, which reports failed() instead.
    void lost();
    void failed();

private:
    void watch(QTcpSocket* socket);
    void drain();
    void brokeDown(QAbstractSocket::SocketError error);
    void announceClosing();
    void hostClosed();
    void abandon();

    Connection* link_ = nullptr;
    bool wasConnected_ = false;
    bool closingAnnounced_ = false;
    bool sending_ = false; // errors raised inside a send are reported by send()
};

} // namespace net
