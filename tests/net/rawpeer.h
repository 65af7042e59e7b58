#pragma once
#include "net/messagebuffer.h"
#include "net/message.h"
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <sys/socket.h>

// The other end of a connection speaking bytes only: it says messages and keeps what arrives,
// both as raw bytes and framed into messages as a program would.
class RawPeer {
public:
    // `hears` is who talks to this peer: a raw guest hears the host.
    explicit RawPeer(net::Sender hears, QTcpSocket* adopted = nullptr)
        : socket(adopted ? adopted : new QTcpSocket), inbox(hears)
    {
        socket->setParent(nullptr);
    }

    bool connectTo(quint16 port)
    {
        socket->connectToHost(QHostAddress::LocalHost, port);
        return socket->waitForConnected(5000);
    }

    // A join names this peer, so that the host's reply to it can be framed.
    void say(const QStringList& lines)
    {
        if (lines.value(0) == u"0")
            inbox.setOwnName(lines.value(1));
        sayBytes(net::encodeMessage(lines));
    }
    void sayBytes(const QByteArray& bytes)
    {
        socket->write(bytes);
        socket->flush();
    }

    void collect()
    {
        const QByteArray arrived = socket->readAll();
        bytes += arrived;
        inbox.append(arrived);
        inbox.drained();
        while (auto m = inbox.next())
            heard << *m;
    }

    bool waitFor(qsizetype count)
    {
        return QTest::qWaitFor([&] { collect(); return heard.size() >= count; }, 5000);
    }

    // Lets whatever is on its way arrive; for checking that nothing more came.
    void settle()
    {
        QTest::qWait(60);
        collect();
    }

    // Closes with a reset rather than in order.
    void reset()
    {
        const linger now{1, 0};
        ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
        socket->abort();
    }

    std::unique_ptr<QTcpSocket> socket;
    net::MessageBuffer inbox;
    QList<QStringList> heard;
    QByteArray bytes;
};

using Messages = QList<QStringList>;

// A host of bytes only, for the guest's side: it accepts one connection at a time.
class RawHost {
public:
    RawHost() { server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server.serverPort(); }

    // The next guest that connects, or null when none came.
    std::unique_ptr<RawPeer> accept()
    {
        if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 5000))
            return nullptr;
        return std::make_unique<RawPeer>(net::Sender::Guest, server.nextPendingConnection());
    }

    QTcpServer server;
};
