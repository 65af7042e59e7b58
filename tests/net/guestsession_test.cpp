#include "net/guestlink.h"
#include "net/guestsession.h"
#include "tests/net/rawpeer.h"
#include "rules/game.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A station of no windows for the session: it keeps what it was told and one game.
class Keeper : public net::GuestLobby, public net::GuestGame {
public:
    void addChat(const QString& line) override { chat << line; }
    void setMembers(const QStringList& names) override { members = names; }
    void ring() override { ++rings; }
    bool startGame(const net::StartSettings& s) override
    {
        game.Reset(s.game(), members, s.seat);
        return true;
    }
    bool gameRunning() const override { return game.started() && !game.gameOver() && !game.abandoned(); }
    bool awaits(const net::Move& m) const override
    {
        return game.curPlayer() != game.mySeat() && (m.isPass() || game.Search_Face(m.col, m.row));
    }
    void moveArrived(const net::Move& m) override
    {
        if (m.isPass() || game.Search_Face(m.col, m.row))
            game.play(m.cell());
    }
    void overruled(const net::Move& m) override { overrulers << m.cell(); }
    void stopGame() override { game.abandon(); }
    void catchingUp(bool on) override { marks << on; }
    QList<bool> marks;
    QList<rules::Cell> overrulers;
    QStringList chat;
    QStringList members;
    int rings = 0;
    rules::Game game;
};

// The guest session over a real connection to a host of bytes only.
class GuestSessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&link, &net::GuestLink::connected, [&] { accepted = session.CSConnect(QStringLiteral("  B\t")); });
        QObject::connect(&link, &net::GuestLink::messageArrived, [&](const QStringList& m) { session.CSRead(m); });
        QObject::connect(&link, &net::GuestLink::closing, [&] { session.CSDisconnect(); });
        link.connectTo(QStringLiteral("127.0.0.1"), rawHost.port());
        host = rawHost.accept();
        ASSERT_TRUE(host && host->waitFor(1));
    }
    void hostSays(const QStringList& lines)
    {
        host->say(lines);
        QTest::qWait(30);
    }

    RawHost rawHost;
    net::GuestLink link;
    Keeper keeper;
    net::GuestSession session{link, keeper, keeper};
    QString accepted;
    std::unique_ptr<RawPeer> host;
};

TEST_F(GuestSessionTest, CatchUpMarksReachTheGameWithoutARing)
{
    hostSays({"0", "A", "C", "D", QStringLiteral("B")});
    keeper.rings = 0;
    hostSays(net::catchUpMessage(true));
    hostSays(net::startMessage({8, 2, rules::Scoring::Points, rules::NoLimit, false}));
    hostSays(net::catchUpMessage(false));
    EXPECT_EQ(keeper.marks, QList<bool>({true, false}));
    EXPECT_EQ(keeper.rings, 0);
    EXPECT_EQ(keeper.game.mySeat(), 2);
}


TEST_F(GuestSessionTest, JoinsFollowsTheLobbyPlaysAndLeaves)
{
    EXPECT_EQ(accepted, QStringLiteral("B"));
    EXPECT_EQ(host->heard.last(), QStringList({"0", QStringLiteral("B")}));
    hostSays({"0", "A", "C", QStringLiteral("B")});
    hostSays({"1", QStringLiteral("◆D氏の来訪"), "A", "C", QStringLiteral("B"), "D"});
    hostSays({"2", QStringLiteral("C：やあ")});
    EXPECT_EQ(keeper.members, QStringList({"A", "C", QStringLiteral("B"), "D"}));
    EXPECT_EQ(keeper.chat, QStringList({QStringLiteral("◆D氏の来訪"), QStringLiteral("C：やあ")}));
    EXPECT_EQ(keeper.rings, 3);

    hostSays(net::startMessage({8, 3, rules::Scoring::Points, rules::NoLimit, false}));
    rules::Game& game = keeper.game;
    EXPECT_EQ(game.mySeat(), 3);
    ASSERT_EQ(game.boardSize(), 8);
    hostSays(net::moveMessage(2, -1, -1));
    hostSays(net::moveMessage(3, -1, -1));
    ASSERT_EQ(game.curPlayer(), 3);
    const auto [col, row] = game.legalCells().front();
    session.sendgameinfo(game.curPlayer(), col, row);
    ASSERT_TRUE(host->waitFor(2));
    EXPECT_EQ(host->heard.last(), net::moveMessage(3, col, row));
    hostSays(net::moveMessage(4, col, row)); // the echo goes
    EXPECT_EQ(game.passCount(), 2);
    hostSays(net::moveMessage(4, -1, -1));
    EXPECT_EQ(game.passCount(), 3) << "only the one echo is dropped";

    link.close();
    ASSERT_TRUE(host->waitFor(3));
    EXPECT_EQ(host->heard.last(), QStringList({"1", QStringLiteral("B")}));
}

} // namespace
