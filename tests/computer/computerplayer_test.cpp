#include "computer/computerplayer.h"
#include "computer/headless.h"
#include "tests/net/station.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct NoMovePause {
    NoMovePause() { computer::ComputerPlayer::movePauseMs = 0; }
    ~NoMovePause() { computer::ComputerPlayer::movePauseMs = 300; }
};

// The host A with computer players added from its lobby, playing whole games by themselves.
class ComputerGame : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        host.host();
        for (int level : {1, 2, 3})
            host.boot->addComputer(level);
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 4; }, 10000));
    }
    const computer::ComputerPlayer* player(int i) const
    {
        return host.boot->findChildren<computer::ComputerPlayer*>()[i];
    }
    NoPauses noPauses;
    NoMovePause noMovePause;
    ErrorCollector errors;
    Station host{QStringLiteral("A")};
};

TEST_P(ComputerGame, PlaysToTheEndWithFourIdenticalBoards)
{
    EXPECT_EQ(host.members(), QStringList({"A", QStringLiteral("CPU1(適当)"), QStringLiteral("CPU2(普通)"),
                                            QStringLiteral("CPU3(強い)")}));
    host.form->AutoPass->setChecked(true);
    host.boot->TableSize->setPosition(GetParam());
    host.boot->rotation->setChecked(true);
    host.boot->BtnGameClick();
    // The host's first turn opens without automatic play: it passes by hand.
    host.game().BtnPassClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.game().gameOver; }, 120000));
    QTest::qWait(200);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(player(i)->game().gameOver) << i;
        EXPECT_TRUE(player(i)->game().board == host.game().board) << i;
        EXPECT_EQ(player(i)->game().scores, host.game().scores) << i;
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Boards, ComputerGame, testing::Values(6, 9),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

TEST(ComputerPlayer, RemovedFromTheLobbyItLeavesTheMembers)
{
    ErrorCollector errors;
    Station host{QStringLiteral("A")};
    host.host();
    host.boot->addComputer(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 2; }, 10000));
    host.boot->removeComputer(QStringLiteral("CPU1(適当)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.members() == QStringList({"A"}); }, 10000));
    EXPECT_TRUE(host.boot->computerNames().isEmpty());
}

TEST(ComputerPlayer, HostThatCannotBeReachedIsAFailure)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closed = probe.serverPort();
    probe.close();
    computer::ComputerPlayer player(QStringLiteral("CPU"), ai::Level::Random);
    QString reason;
    QObject::connect(&player, &computer::ComputerPlayer::failed, [&](const QString& r) { reason = r; });
    player.connectTo(QStringLiteral("127.0.0.1"), closed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reason.isEmpty(); }, 5000));
}

} // namespace

namespace {

TEST(PlayHeadless, EndsWithZeroWhenTheHostClosesAndOneWhenItCannotConnect)
{
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&host, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = host.nextPendingConnection();
        QTimer::singleShot(100, s, [s] { s->disconnectFromHost(); });
    });
    QString errors;
    QTextStream err(&errors);
    EXPECT_EQ(computer::playHeadless({QStringLiteral("127.0.0.1"), host.serverPort()}, err), 0);
    const quint16 closed = host.serverPort();
    host.close();
    EXPECT_EQ(computer::playHeadless({QStringLiteral("127.0.0.1"), closed}, err), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("127.0.0.1:%1").arg(closed)));
}

} // namespace
