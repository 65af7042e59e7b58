#include "net/connection.h"
#include "net/message.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using net::Connection;
using net::Sender;
using Messages = QList<QStringList>;

namespace {

const QStringList Start{"3", "8", "3", "0", "61", "1"};
const QStringList Chat{"2", "A：ようこそ"};

// Whatever arrives at one end, taken the way a handler does: DataReceive until it says no.
struct Inbox {
    explicit Inbox(Connection& c)
    {
        link = QObject::connect(&c, &Connection::readable, [this, &c] {
            ++notices;
            QStringList message{"stale"};
            while (c.DataReceive(message))
                messages << message;
        });
    }
    ~Inbox() { QObject::disconnect(link); }
    Inbox(const Inbox&) = delete;
    Inbox& operator=(const Inbox&) = delete;

    bool waitFor(qsizetype count) const
    {
        return QTest::qWaitFor([&] { return messages.size() >= count; });
    }
    QMetaObject::Connection link;
    Messages messages;
    int notices = 0;
};

// A guest station's connection to the host's accepted socket over 127.0.0.1.
class ConnectionPair : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        guest = std::make_unique<Connection>(Sender::Host);
        host = accept(*guest);
        ASSERT_TRUE(host);
    }

    std::unique_ptr<Connection> accept(Connection& client)
    {
        client.socket()->connectToHost(QHostAddress::LocalHost, server.serverPort());
        if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }))
            return nullptr;
        auto accepted = std::make_unique<Connection>(Sender::Guest, server.nextPendingConnection());
        if (!QTest::qWaitFor([&] { return client.socket()->state() == QAbstractSocket::ConnectedState; }))
            return nullptr;
        return accepted;
    }

    void writeRaw(Connection& from, const QByteArray& bytes)
    {
        from.socket()->write(bytes);
        from.socket()->flush();
    }

    QTcpServer server;
    std::unique_ptr<Connection> guest;
    std::unique_ptr<Connection> host;
};

TEST_F(ConnectionPair, JoinAndReplyTravelBothWays)
{
    Inbox atHost(*host);
    Inbox atGuest(*guest);
    EXPECT_EQ(guest->DataSend({"0", "B"}), Connection::SendResult::Sent);
    ASSERT_TRUE(atHost.waitFor(1));
    EXPECT_EQ(host->DataSend({"0", "A", "B"}), Connection::SendResult::Sent);
    ASSERT_TRUE(atGuest.waitFor(1));
    EXPECT_EQ(atHost.messages, Messages({{"0", "B"}}));
    EXPECT_EQ(atGuest.messages, Messages({{"0", "A", "B"}}));
}

TEST_F(ConnectionPair, MessageWrittenInPiecesComesOutOnceWhenWhole)
{
    Inbox atGuest(*guest);
    const QByteArray wire = net::encodeMessage(Start);
    for (const QByteArray& piece : {wire.left(5), wire.mid(5, 7)}) {
        const int before = atGuest.notices;
        writeRaw(*host, piece);
        ASSERT_TRUE(QTest::qWaitFor([&] { return atGuest.notices > before; }));
        EXPECT_TRUE(atGuest.messages.isEmpty());
    }
    writeRaw(*host, wire.mid(12));
    ASSERT_TRUE(atGuest.waitFor(1));
    QTest::qWait(50);
    EXPECT_EQ(atGuest.messages, Messages({Start}));
}

TEST_F(ConnectionPair, MessagesSentBackToBackArriveInOrder)
{
    Inbox atGuest(*guest);
    guest->setOwnName("B");
    const Messages sent{{"0", "A", "B"}, {"1", "◆C氏の来訪", "A", "B", "C"}, Chat, Start, {"4", "2", "-1", "-1"}};
    for (const QStringList& message : sent)
        EXPECT_EQ(host->DataSend(message), Connection::SendResult::Sent);
    ASSERT_TRUE(atGuest.waitFor(sent.size()));
    EXPECT_EQ(atGuest.messages, sent);
}

TEST_F(ConnectionPair, ConnectionNotYetConnectedSendsNothing)
{
    Connection idle(Sender::Host);
    EXPECT_EQ(idle.DataSend(Chat), Connection::SendResult::NotConnected);

    Connection late(Sender::Host);
    late.socket()->connectToHost(QHostAddress::LocalHost, server.serverPort());
    EXPECT_EQ(late.DataSend({"0", "early"}), Connection::SendResult::NotConnected);
    const auto accepted = accept(late);
    ASSERT_TRUE(accepted);
    Inbox atHost(*accepted);
    EXPECT_EQ(late.DataSend({"0", "late"}), Connection::SendResult::Sent);
    ASSERT_TRUE(atHost.waitFor(1));
    EXPECT_EQ(atHost.messages, Messages({{"0", "late"}}));
}

TEST_F(ConnectionPair, SendToAPeerThatResetTheConnectionFails)
{
    // Unread bytes make the host's abort reset the connection instead of closing it.
    EXPECT_EQ(guest->DataSend({"0", "B"}), Connection::SendResult::Sent);
    QThread::msleep(20);
    host->socket()->abort();
    QThread::msleep(20);
    EXPECT_EQ(guest->DataSend(Chat), Connection::SendResult::Failed);
    EXPECT_NE(guest->socket()->state(), QAbstractSocket::ConnectedState);
    EXPECT_NE(guest->socket()->error(), QAbstractSocket::UnknownSocketError);
}

TEST_F(ConnectionPair, NewConnectionForgetsHalfAMessageOfTheOldOne)
{
    QStringList message;
    writeRaw(*host, "4\r\n2\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest->socket()->bytesAvailable() > 0; }));
    EXPECT_FALSE(guest->DataReceive(message));
    guest->socket()->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest->socket()->state() == QAbstractSocket::UnconnectedState; }));

    const auto again = accept(*guest);
    ASSERT_TRUE(again);
    Inbox atGuest(*guest);
    EXPECT_EQ(again->DataSend(Chat), Connection::SendResult::Sent);
    ASSERT_TRUE(atGuest.waitFor(1));
    EXPECT_EQ(atGuest.messages, Messages({Chat}));
}

} // namespace
