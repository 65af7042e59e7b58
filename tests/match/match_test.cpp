#include "match/computerseat.h"
#include "match/match.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// One station's turn flow without a window: what it announces, when it shows, when a turn opens.
namespace {

const QStringList Names{"a", "b", "c", "d"};

// Writes down every announcement and every move handed to the screen, in one order.
struct Recorder : match::Table {
    void announce(int turnSeat, rules::Cell cell, bool madeHere) override
    {
        log.push_back("announce " + std::to_string(turnSeat) + " " + std::to_string(cell.col) + "," +
                      std::to_string(cell.row) + (madeHere ? " here" : ""));
    }
    std::vector<std::string> log;
};

class MatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        match.setTable(&table);
        QObject::connect(&match, &match::Match::moved, [this](const rules::Outcome& o) {
            table.log.push_back("shown " + std::to_string(o.mover) + (o.over ? " end" : ""));
        });
        QObject::connect(&match, &match::Match::refused, [this] { table.log.push_back("buzz"); });
    }
    void start(int seat, int limit = rules::NoLimit) { match.start({8, rules::Scoring::Points, limit, false}, seat, Names); }

    match::Match match;
    Recorder table;
};

TEST_F(MatchTest, AnotherStationsMoveIsCheckedAppliedAndAnnouncedBeforeItIsShown)
{
    start(1);
    EXPECT_FALSE(match.playFor(2, rules::Pass, false)) << "seat 2 is not to move";
    EXPECT_FALSE(match.playFor(1, {0, 0}, false)) << "no line closes there";
    EXPECT_FALSE(match.playFor(1, {-5, 3}, false)) << "off the board, and not a pass";
    EXPECT_TRUE(table.log.empty());
    ASSERT_TRUE(match.playFor(1, {1, 3}, false));
    EXPECT_EQ(table.log, (std::vector<std::string>{"announce 2 1,3", "shown 1"}));
    EXPECT_EQ(match.game().board()[1][3], 1);
}

TEST_F(MatchTest, OwnTurnOpensOnlyOnceTheScreenHasCaughtUp)
{
    std::vector<std::function<void()>> held;
    match.setPacer([&](std::function<void()> action) { held.push_back(std::move(action)); });
    start(2, 30);
    ASSERT_TRUE(match.playFor(1, rules::Pass, false));
    EXPECT_FALSE(match.myTurn());
    EXPECT_FALSE(match.TableSelectCell(1, 3)) << "no move before the turn opens";
    ASSERT_EQ(held.size(), 1u);
    held.front()();
    EXPECT_TRUE(match.myTurn());
    EXPECT_TRUE(match.timersRunning());
    EXPECT_FALSE(match.TableSelectCell(0, 0));
    EXPECT_TRUE(match.myTurn()) << "a refused cell keeps the turn";
    match.BtnPassClick();
    EXPECT_FALSE(match.myTurn());
    EXPECT_FALSE(match.timersRunning());
    EXPECT_EQ(table.log.back(), "shown 2");
    EXPECT_EQ(table.log[table.log.size() - 2], "announce 3 -1,-1 here");
    EXPECT_EQ(std::count(table.log.begin(), table.log.end(), "buzz"), 1);
}

TEST_F(MatchTest, OpeningHeldForAnEarlierGameIsDropped)
{
    std::vector<std::function<void()>> held;
    match.setPacer([&](std::function<void()> action) { held.push_back(std::move(action)); });
    start(2);
    match.playFor(1, rules::Pass, false);
    start(3);
    held.front()();
    EXPECT_FALSE(match.myTurn());
}

TEST_F(MatchTest, FourthPassEndsTheGameWithTheMoverStillToMove)
{
    start(0);
    for (int seat = 1; seat <= 4; ++seat)
        ASSERT_TRUE(match.playFor(seat, rules::Pass, false));
    EXPECT_EQ(table.log.back(), "shown 4 end");
    EXPECT_EQ(table.log[table.log.size() - 2], "announce 4 -1,-1");
    EXPECT_FALSE(match.running());
    EXPECT_FALSE(match.playFor(4, rules::Pass, false));
}

TEST_F(MatchTest, TimeOutPassesForTheStation)
{
    match.setSecondMs(5);
    start(1, 5);
    match.openFirstTurn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return match.game().curPlayer() == 2; }, 2000));
    EXPECT_EQ(match.game().passCount(), 1);
    EXPECT_EQ(table.log.front(), "announce 2 -1,-1 here");
}

// Twenty games in a row: automatic play takes the first turn of each as well as the later ones.
TEST_F(MatchTest, AutomaticPlayCoversEveryTurnFromTheFirst)
{
    match.setAutoPlay(true);
    for (int game = 0; game < 20; ++game) {
        start(1);
        match.openFirstTurn();
        ASSERT_TRUE(QTest::qWaitFor([&] { return match.game().moves().size() == 1; }, 1000)) << game;
        for (int seat = 2; seat <= 4; ++seat)
            match.playFor(seat, rules::Pass, false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return match.game().moves().size() == 5; }, 1000)) << game;
        EXPECT_EQ(match.game().passCount(), 0) << "placements, not passes";
    }
}

TEST_F(MatchTest, ComputerSeatPlaysItsSeatAsAMoveMadeHere)
{
    match::ComputerSeat::movePauseMs = 0;
    match::ComputerSeat computer(ai::Level::Greedy);
    start(1);
    match.setPlayer(2, &computer);
    ASSERT_TRUE(match.playFor(1, {1, 3}, false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return match.game().curPlayer() == 3; }, 5000));
    EXPECT_TRUE(table.log[2].ends_with(" here")) << table.log[2];
    match.setPlayer(2, nullptr);
    match::ComputerSeat::movePauseMs = 300;
}

} // namespace
