#include "net/hostlobby.h"
#include "net/lobbymessages.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

// Who may take a lost seat back: the host lobby over a transport that only keeps what it was told.
namespace {

struct Wire : net::HostLobby::Transport {
    void send(net::HostLobby::GuestId to, const QStringList& m) override { sent[to] << m; }
    void hangUp(net::HostLobby::GuestId guest) override { hungUp << guest; }
    QHash<int, QList<QStringList>> sent;
    QList<int> hungUp;
};

const QString Home = QStringLiteral("127.0.0.1");
const QString Elsewhere = QStringLiteral("127.0.0.2");

class SeatReturn : public testing::Test {
protected:
    // A, then B, C and D from the home address, seated 2 to 4 by a start.
    void SetUp() override
    {
        lobby.open(QStringLiteral("A"));
        for (int id = 1; id <= 3; ++id)
            join(id, QString(QChar(u'A' + id)), Home);
        lobby.startGame({8, 0, rules::Scoring::Points, rules::NoLimit, false});
    }
    void join(int id, const QString& name, const QString& from)
    {
        lobby.accepted(id, from);
        lobby.SSClientRead(id, net::joinMessage(name));
    }
    Wire wire;
    net::HostLobby lobby{wire};
    QSignalSpy returned{&lobby, &net::HostLobby::seatReturned};
    QSignalSpy asked{&lobby, &net::HostLobby::returnAsked};
};

TEST_F(SeatReturn, FromTheSeatsOwnAddressTheSeatComesBackAtOnce)
{
    lobby.closed(2);
    join(5, QStringLiteral("C"), Home);
    ASSERT_EQ(returned.size(), 1);
    EXPECT_EQ(returned[0][0].toInt(), 3);
    EXPECT_EQ(returned[0][1].toInt(), 5);
    EXPECT_EQ(lobby.members(), QStringList({"A", "B", "C", "D"}));
}

TEST_F(SeatReturn, FromAnotherAddressOnlyTheHostPlayerGivesItBack)
{
    lobby.closed(2);
    join(5, QStringLiteral("c"), Elsewhere);
    EXPECT_TRUE(returned.isEmpty());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][1].toInt(), 3);
    EXPECT_EQ(lobby.members(), QStringList({"A", "B", "D", "c"})) << "a new member meanwhile, listed last";
    lobby.allowReturn(QStringLiteral("c"));
    ASSERT_EQ(returned.size(), 1);
    EXPECT_EQ(returned[0][0].toInt(), 3);
    EXPECT_EQ(lobby.members(), QStringList({"A", "B", "c", "D"}));
    EXPECT_EQ(wire.sent[5].last(), net::noticeMessage(net::joinNotice("c"), {"A", "B", "c", "D"}));
    lobby.allowReturn(QStringLiteral("c"));
    EXPECT_EQ(returned.size(), 1) << "a seat is given back once";
}

// The player's station lost its network and left a connection that says nothing.
TEST_F(SeatReturn, TheSamePlayerFromTheSameAddressReplacesItsSilentConnection)
{
    join(5, QStringLiteral("D"), Home);
    EXPECT_TRUE(wire.hungUp.contains(3));
    ASSERT_EQ(returned.size(), 1);
    EXPECT_EQ(returned[0][0].toInt(), 4);
    EXPECT_EQ(lobby.members(), QStringList({"A", "B", "C", "D"}));
}

TEST_F(SeatReturn, ASeatedNameFromAnotherAddressReplacesNobody)
{
    join(5, QStringLiteral("D"), Elsewhere);
    EXPECT_TRUE(wire.hungUp.isEmpty());
    EXPECT_TRUE(returned.isEmpty());
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(lobby.members().size(), 5);
}

} // namespace
