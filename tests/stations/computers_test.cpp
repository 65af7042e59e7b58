#include "match/computerguest.h"
#include "tests/support/controls.h"
#include "record/recordstore.h"
#include "record/replay.h"
#include "tests/stations/program.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct NoMovePause {
    NoMovePause() { match::ComputerSeat::movePauseMs = 0; }
    ~NoMovePause() { match::ComputerSeat::movePauseMs = 300; }
};

// The host A with computer players added from its lobby, playing whole games by themselves.
class ComputerGame : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        host.host();
        for (int level : {1, 2, 3})
            host.station.addComputer(ai::Level(level));
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 4; }, 10000));
    }
    const match::ComputerGuest* player(int i) const { return host.station.findChildren<match::ComputerGuest*>()[i]; }
    NoPauses noPauses;
    NoMovePause noMovePause;
    ErrorCollector errors;
    Program host{QStringLiteral("A")};
};

TEST_P(ComputerGame, PlaysToTheEndWithFourIdenticalBoards)
{
    EXPECT_EQ(host.members(), QStringList({"A", QStringLiteral("CPU1(適当)"), QStringLiteral("CPU2(普通)"),
                                            QStringLiteral("CPU3(強い)")}));
    control<QCheckBox>(*host.form, "AutoPass")->setChecked(true);
    control<ui::TExtTrackBar>(*host.boot, "TableSize")->setPosition(GetParam());
    control<QCheckBox>(*host.boot, "rotation")->setChecked(true);
    // Two computers keep records; the third's folder cannot be made, which costs it nothing but a complaint.
    QTemporaryDir records;
    ASSERT_TRUE(QFile(records.filePath(QStringLiteral("in-the-way"))).open(QIODevice::WriteOnly));
    QStringList complaints;
    const auto players = host.station.findChildren<match::ComputerGuest*>();
    for (int i = 0; i < 3; ++i) {
        QObject::connect(players[i], &match::ComputerGuest::recordFailed, [&](const QString& why) { complaints << why; });
        players[i]->keepRecords(records.filePath(i < 2 ? QStringLiteral("cpu%1").arg(i) : QStringLiteral("in-the-way/cpu")));
    }
    host.boot->BtnGameClick();
    // The host's first turn opens without automatic play: it passes by hand.
    host.match().BtnPassClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.game().gameOver(); }, 120000));
    QTest::qWait(200);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(player(i)->game().gameOver()) << i;
        EXPECT_TRUE(player(i)->game().board() == host.game().board()) << i;
        EXPECT_EQ(player(i)->game().scores(), host.game().scores()) << i;
    }
    EXPECT_TRUE(errors.messages.isEmpty());
    // The host's record and the computers' are the same game, each from its own seat.
    const auto hosts = record::openRecord(host.station.recorder()->lastWritten());
    ASSERT_TRUE(hosts.game && hosts.problem.isEmpty()) << hosts.problem.toStdString();
    EXPECT_EQ(hosts.game->ownSeat, 1);
    EXPECT_EQ(hosts.game->boardSize, GetParam());
    EXPECT_TRUE(hosts.game->rotation);
    const auto& scores = host.game().scores();
    EXPECT_EQ(hosts.game->finalScores, (std::array<int, 4>{scores[1], scores[2], scores[3], scores[4]}));
    EXPECT_TRUE(record::Replay(*hosts.game).problem().isEmpty());
    for (int i = 0; i < 2; ++i) {
        const auto listed = record::listRecords(records.filePath(QStringLiteral("cpu%1").arg(i)));
        ASSERT_EQ(listed.size(), 1u) << i;
        const record::Record theirs = *record::openRecord(listed[0].path).game;
        EXPECT_EQ(theirs.ownSeat, i + 2) << i; // they joined in order
        EXPECT_EQ(theirs.moves, hosts.game->moves) << i;
        EXPECT_EQ(theirs.names, hosts.game->names) << i;
        EXPECT_EQ(theirs.finalScores, hosts.game->finalScores) << i;
    }
    EXPECT_EQ(complaints.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Boards, ComputerGame, testing::Values(6, 9),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

TEST(ComputerGuest, RemovedFromTheLobbyItLeavesTheMembers)
{
    ErrorCollector errors;
    Program host{QStringLiteral("A")};
    host.host();
    host.station.addComputer(ai::Level(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 2; }, 10000));
    host.station.removeComputer(QStringLiteral("CPU1(適当)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.members() == QStringList({"A"}); }, 10000));
    EXPECT_TRUE(host.station.computerNames().isEmpty());
}

} // namespace
