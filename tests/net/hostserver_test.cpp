#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/socketerror.h"
#include "tests/net/rawpeer.h"

#include <QDir>
#include <gtest/gtest.h>

using net::Sender;

namespace {

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
}

// A host without windows, with limits small enough to reach in a test.
class HostServerTest : public testing::Test {
protected:
    HostServerTest()
    {
        QObject::connect(&server, &net::HostServer::failed, [this](const QString& m) { failures << m; });
        server.listen(0);
        server.lobby().open(QStringLiteral("A"));
    }

    RawPeer& connect(const char* from = "127.0.0.1")
    {
        auto& peer = *peers.emplace_back(std::make_unique<RawPeer>(Sender::Host));
        peer.socket->bind(QHostAddress(QLatin1String(from)), 0);
        EXPECT_TRUE(peer.connectTo(server.port()));
        return peer;
    }
    RawPeer& join(const QString& name)
    {
        RawPeer& peer = connect();
        peer.say({"0", name});
        EXPECT_TRUE(peer.waitFor(1)) << name.toStdString();
        return peer;
    }
    bool closedByHost(RawPeer& peer)
    {
        return QTest::qWaitFor([&] { peer.collect(); return peer.socket->state() == QAbstractSocket::UnconnectedState; }, 5000);
    }

    net::HostServer server{net::AdmissionLimits{.waitingPerAddress = 3, .waiting = 6, .connections = 100,
                                                .joinBurst = 8, .joinsPerSecond = 4, .joinDeadlineMs = 300}};
    QStringList failures;
    std::vector<std::unique_ptr<RawPeer>> peers;
};

TEST_F(HostServerTest, EachConnectionHoldsOneDescriptorAndStrangersBeyondTheLimitAreClosed)
{
    // The first connection sets up what the event loop keeps for sockets at all.
    connect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == 1; }, 5000));
    const qsizetype before = openDescriptors();
    for (int i = 0; i < 4; ++i)
        connect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == 3; }, 5000));
    // Each kept connection costs the host one descriptor and the peer one; a refused one, the peer's alone.
    EXPECT_EQ(openDescriptors() - before, 2 + 4);
    EXPECT_TRUE(closedByHost(*peers[3]));
    EXPECT_TRUE(closedByHost(*peers[4]));
    // A member no longer waits: room for a newcomer again.
    peers[0]->say({"0", "B"});
    ASSERT_TRUE(peers[0]->waitFor(1));
    EXPECT_EQ(peers[0]->heard.last(), QStringList({"0", "A", "B"}));
    RawPeer& late = join("C");
    EXPECT_EQ(late.heard.last(), QStringList({"0", "A", "B", "C"}));
}

// Idle connections from many addresses fill the places to wait; a newcomer takes the oldest's.
TEST_F(HostServerTest, WhenAllWaitTheOldestMakesRoomForANewcomer)
{
    for (const char* from : {"127.0.0.2", "127.0.0.3", "127.0.0.4"})
        for (int i = 0; i < 2; ++i)
            connect(from);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == 6; }, 5000));
    RawPeer& b = join("B");
    EXPECT_EQ(b.heard.last(), QStringList({"0", "A", "B"}));
    EXPECT_TRUE(closedByHost(*peers[0]));
    EXPECT_EQ(peers[1]->socket->state(), QAbstractSocket::ConnectedState);
}

TEST_F(HostServerTest, AConnectionThatDoesNotJoinInTimeIsClosedQuietly)
{
    RawPeer& idle = connect();
    RawPeer& member = join("B");
    EXPECT_TRUE(closedByHost(idle));
    member.settle();
    EXPECT_EQ(member.socket->state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(server.lobby().members(), QStringList({"A", "B"}));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(HostServerTest, AStrangersResetRaisesNothingAMembersDoes)
{
    RawPeer& stranger = connect();
    RawPeer& member = join("B");
    stranger.reset();
    QTest::qWait(100);
    EXPECT_TRUE(failures.isEmpty());
    member.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failures.isEmpty(); }, 5000));
    EXPECT_EQ(failures, QStringList({net::socketErrorText(ECONNRESET, "recv")}));
}

TEST_F(HostServerTest, JoinsBeyondTheAddressRateAreClosedWithoutTheLobby)
{
    int refused = 0;
    for (int i = 0; i < 12; ++i) {
        RawPeer& peer = connect();
        peer.say({"0", QStringLiteral("G%1").arg(i)});
        ASSERT_TRUE(QTest::qWaitFor([&] {
            peer.collect();
            return !peer.heard.isEmpty() || peer.socket->state() == QAbstractSocket::UnconnectedState;
        }, 5000));
        refused += peer.heard.isEmpty() ? 1 : 0;
        peer.socket->disconnectFromHost();
    }
    // The burst lets eight in at once; the rest come too fast, bar one the rate refills.
    EXPECT_GE(refused, 3);
    EXPECT_LE(refused, 4);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(HostServerTest, TheHostSendsAMemberAwayAndTheOthersHearItLeave)
{
    RawPeer& b = join("B");
    RawPeer& c = join("C");
    server.lobby().removeMember(QStringLiteral("B"));
    EXPECT_TRUE(closedByHost(b));
    ASSERT_TRUE(QTest::qWaitFor([&] { c.collect(); return c.heard.size() == 2; }, 5000));
    EXPECT_EQ(c.heard.last(), QStringList({"1", net::leaveNotice("B"), "A", "C"}));
    EXPECT_EQ(server.lobby().members(), QStringList({"A", "C"}));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(HostServerTest, AMemberThatStopsReadingIsDroppedAtTheCapAndLeaves)
{
    RawPeer& silent = join("B");
    RawPeer& reader = join("C");
    silent.socket->setReadBufferSize(1);
    const QStringList line{"2", QStringLiteral("A：") + QString(900, u'x')};
    int sent = 0;
    while (failures.isEmpty() && sent < 20000) {
        server.lobby().sendToGuests(line);
        if (++sent % 50 == 0) {
            QCoreApplication::processEvents();
            reader.collect();
        }
    }
    // The system's buffers take a few megabytes first; the host itself keeps at most the cap.
    EXPECT_LT(sent, 20000);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0], net::socketErrorText(ENOBUFS, "send"));
    ASSERT_TRUE(QTest::qWaitFor([&] { reader.collect(); return reader.heard.last().value(0) == u"1"; }, 5000));
    EXPECT_EQ(reader.heard.last(), QStringList({"1", net::leaveNotice("B"), "A", "C"}));
}

// A room for two guests, both seated: one drops and a newcomer takes its place in the room. The
// newcomer after that hears why it is closed; the seated player coming back gets its seat again.
TEST_F(HostServerTest, AFullRoomTurnsANewcomerAwayWithAWordAndTakesASeatedPlayerBack)
{
    server.close();
    net::HostServer small{net::AdmissionLimits{.members = 2}};
    small.listen(0);
    small.lobby().open(QStringLiteral("A"));
    int returned = 0;
    QObject::connect(&small.lobby(), &net::HostLobby::seatReturned, [&](int seat, net::HostLobby::GuestId) { returned = seat; });
    const auto joinSmall = [&](const QString& name) -> RawPeer& {
        auto& peer = *peers.emplace_back(std::make_unique<RawPeer>(Sender::Host));
        EXPECT_TRUE(peer.connectTo(small.port()));
        peer.say({"0", name});
        return peer;
    };
    EXPECT_TRUE(joinSmall("B").waitFor(1));
    EXPECT_TRUE(joinSmall("C").waitFor(1));
    small.lobby().startGame(net::startSettings(rules::Settings{}, 0));
    peers[0]->socket->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return small.lobby().members().size() == 2; }, 5000));
    EXPECT_TRUE(joinSmall("D").waitFor(1));

    RawPeer& late = joinSmall("E");
    EXPECT_TRUE(closedByHost(late));
    EXPECT_EQ(late.heard, QList<QStringList>({net::chatMessage(net::roomFullLine(QStringLiteral("A")))}));
    RawPeer& back = joinSmall("B");
    ASSERT_TRUE(back.waitFor(1));
    EXPECT_EQ(returned, 2);
    EXPECT_EQ(small.lobby().members(), QStringList({"A", "B", "C", "D"}));
}

} // namespace
