#include "computer/computerplayer.h"
#include "tests/stations/program.h"

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
    Program host{QStringLiteral("A")};
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.game().gameOver(); }, 120000));
    QTest::qWait(200);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(player(i)->game().gameOver()) << i;
        EXPECT_TRUE(player(i)->game().board() == host.game().board()) << i;
        EXPECT_EQ(player(i)->game().scores(), host.game().scores()) << i;
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Boards, ComputerGame, testing::Values(6, 9),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

TEST(ComputerPlayer, RemovedFromTheLobbyItLeavesTheMembers)
{
    ErrorCollector errors;
    Program host{QStringLiteral("A")};
    host.host();
    host.boot->addComputer(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 2; }, 10000));
    host.boot->removeComputer(QStringLiteral("CPU1(適当)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.members() == QStringList({"A"}); }, 10000));
    EXPECT_TRUE(host.boot->computerNames().isEmpty());
}

} // namespace
