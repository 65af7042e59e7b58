#include "match/station.h"
#include "rules/failure.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

// Whole stations with no window, meeting over the loopback address.
namespace {

using State = match::Station::State;
const QString Loopback = QStringLiteral("127.0.0.1");

struct Table {
    Table()
    {
        for (auto& s : st)
            s = std::make_unique<match::Station>();
        for (std::size_t i = 0; i < st.size(); ++i)
            QObject::connect(st[i].get(), &match::Station::chatLine, [this, i](const QString& l) { chat[i] << l; });
        st[0]->host(QStringLiteral("0"), QStringLiteral("A"));
    }
    // Each guest joins once the one before it is listed, so that the seats follow the letters.
    bool seat()
    {
        for (int i = 1; i <= 3; ++i)
            if (!joinAs(i, QString(QChar(u'A' + i))))
                return false;
        return true;
    }
    bool joinAs(int i, const QString& name)
    {
        st[std::size_t(i)]->join(Loopback, QString::number(st[0]->port()), name);
        return QTest::qWaitFor([&] { return st[0]->members().contains(name) && st[std::size_t(i)]->members().contains(name); }, 5000);
    }
    // Every seat plays at random from its first turn on.
    void playOn()
    {
        for (auto& s : st)
            s->setAutoPlay(true);
    }
    bool over() const
    {
        return std::ranges::all_of(st, [](const auto& s) { return s->match().game().gameOver(); });
    }
    const rules::Game& game(int i) const { return st[std::size_t(i)]->match().game(); }
    std::array<std::unique_ptr<match::Station>, 4> st;
    std::array<QStringList, 4> chat;
};

TEST(Stations, FourWithoutWindowsPlayAGameToTheSameEnd)
{
    Table t;
    ASSERT_TRUE(t.seat());
    ASSERT_TRUE(t.st[0]->canStartGame());
    t.playOn();
    t.st[0]->setNextSettings({7, rules::Scoring::Points, rules::NoLimit, true});
    t.st[0]->startGame();
    EXPECT_FALSE(t.st[0]->canStartGame()) << "not while the game is played";
    t.st[0]->match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.over(); }, 30000));
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(t.game(i).moves(), t.game(0).moves());
        EXPECT_EQ(t.game(i).board(), t.game(0).board());
        EXPECT_EQ(t.game(i).mySeat(), i + 1);
    }
    EXPECT_TRUE(t.st[0]->canStartGame()) << "the next game, once this one is over";
}

// Below four members the host's next game never starts, however the last one ended.
TEST(Stations, NoNextGameWithFewerThanFourMembers)
{
    Table t;
    ASSERT_TRUE(t.seat());
    QList<bool> told;
    QObject::connect(t.st[0].get(), &match::Station::canStartGameChanged, [&](bool can) { told << can; });
    t.st[0]->startGame();
    t.st[3]->leave();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.st[0]->members().size() == 3; }, 5000));
    t.st[0]->leaveGame(); // the window closed during the game
    t.st[0]->match().abandon();
    EXPECT_FALSE(t.st[0]->canStartGame());
    EXPECT_FALSE(t.st[0]->canStartNewGame());
    t.st[0]->startGame();
    EXPECT_TRUE(t.st[0]->match().game().abandoned()) << "nothing started";
    EXPECT_FALSE(told.contains(true));
}

TEST(Stations, ALostHostIsSaidOnceAndTheGameStopsUnfinished)
{
    Table t;
    ASSERT_TRUE(t.seat());
    t.st[0]->startGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.game(1).started(); }, 5000));
    t.st[0]->stopHosting();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.st[1]->state() == State::Idle; }, 5000));
    EXPECT_EQ(t.chat[1].count(QStringLiteral("▲サーバーとの接続が切れました")), 1);
    EXPECT_TRUE(t.game(1).abandoned());
    EXPECT_TRUE(t.st[1]->members().isEmpty());
}

// A connection that had been up and then breaks (here, reset by the host) is lost, not failed.
TEST(Stations, ABrokenConnectionOnceJoinedIsSaidAsLost)
{
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::LocalHost, 0));
    match::Station guest;
    QStringList chat;
    QObject::connect(&guest, &match::Station::chatLine, [&](const QString& l) { chat << l; });
    guest.join(Loopback, QString::number(host.serverPort()), QStringLiteral("B"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.state() == State::Joined; }, 5000));
    ASSERT_TRUE(host.waitForNewConnection(1000) || host.hasPendingConnections());
    QTcpSocket* peer = host.nextPendingConnection();
    peer->abort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.state() == State::Idle; }, 5000));
    EXPECT_TRUE(chat.contains(QStringLiteral("▲サーバーとの接続が切れました")));
    EXPECT_FALSE(chat.contains(QStringLiteral("▲サーバーとの接続に失敗しました")));
}

TEST(Stations, ABadPortIsRefusedAndTheStationStaysIdle)
{
    match::Station s;
    EXPECT_THROW(s.host(QStringLiteral("port"), QStringLiteral("A")), Failure);
    EXPECT_THROW(s.join(Loopback, QStringLiteral("x1"), QStringLiteral("B")), Failure);
    EXPECT_EQ(s.state(), State::Idle);
}

// A seat's player that leaves and comes back under its name gets the game between the host's
// two marks: shown at once, its turn opened only after the second; and ends with the others.
TEST(Stations, AReturningGuestCatchesUpBetweenTheMarksAndEndsInStep)
{
    Table t;
    ASSERT_TRUE(t.seat());
    t.playOn();
    t.st[0]->setNextSettings({8, rules::Scoring::Points, rules::NoLimit, false});
    t.st[0]->startGame();
    t.st[0]->match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.game(0).moves().size() >= 10; }, 10000));
    t.st[2]->leave();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.game(0).moves().size() >= 16; }, 10000)) << "the host's stand-in plays";
    bool turnWhileBehind = false;
    QObject::connect(&t.st[2]->match(), &match::Match::turnOpened, [&] {
        turnWhileBehind = turnWhileBehind || t.st[2]->match().catchingUp();
    });
    ASSERT_TRUE(t.joinAs(2, QStringLiteral("C")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.st[2]->match().catchingUp(); }, 5000)) << "the first mark";
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.over(); }, 60000));
    EXPECT_FALSE(turnWhileBehind);
    EXPECT_EQ(t.game(2).moves(), t.game(0).moves());
    EXPECT_EQ(t.game(2).board(), t.game(0).board());
}

// A fresh game's first moves are never taken for a catch-up, however soon they come.
TEST(Stations, AFreshGamesQuickFirstMoveIsNoCatchUp)
{
    Table t;
    ASSERT_TRUE(t.seat());
    bool caughtUp = false;
    QObject::connect(&t.st[1]->match(), &match::Match::moved, [&] { caughtUp = caughtUp || t.st[1]->match().catchingUp(); });
    t.st[0]->startGame();
    t.st[0]->match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.st[1]->match().myTurn(); }, 5000));
    EXPECT_FALSE(caughtUp);
}

} // namespace
