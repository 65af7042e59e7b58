#include "fakes.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace fakes;
using Cells = std::vector<std::pair<int, int>>;

namespace {

void passTimes(GameRig& e, int n)
{
    for (int i = 0; i < n; ++i)
        e.game.BtnPassClick();
}

TEST(Passing, FourthPassInARowEndsTheGameWithoutAdvancing)
{
    for (bool host : {true, false}) {
        GameRig e;
        e.station.host = host;
        e.reset(8);
        passTimes(e, 4);
        Log expected{"caption Kuralo 【bobさんの番です】", "announce -1,-1 seat 2",
                     "caption Kuralo 【carolさんの番です】", "announce -1,-1 seat 3",
                     "caption Kuralo 【daveさんの番です】", "announce -1,-1 seat 4",
                     "announce -1,-1 seat 4", "status 終了！", "caption ゲーム終了　"};
        if (host)
            expected.push_back("settings on");
        EXPECT_EQ(e.only({"caption", "announce", "status", "settings"}), expected) << "host " << host;
        EXPECT_EQ(e.game.curPlayer(), 4);
        EXPECT_EQ(e.game.passCount(), 4);
        EXPECT_FALSE(e.station.boardOn);
        EXPECT_FALSE(e.station.passOn);
    }
}

TEST(Passing, ThreePassesThenAPlacementStartTheCountAfresh)
{
    GameRig e;
    e.reset(8);
    passTimes(e, 3);
    const Cells cells = e.game.legalCells();
    ASSERT_FALSE(cells.empty());
    e.log.clear();
    e.game.TableSelectCell(cells.front().first, cells.front().second);
    EXPECT_EQ(e.game.passCount(), 0);
    EXPECT_EQ(e.game.curPlayer(), 1);
    EXPECT_EQ(e.only({"lamp", "caption"}), (Log{"lamp 4 off", "lamp 1 on", "caption Kuralo 【あなたの番です】"}));
    passTimes(e, 3);
    EXPECT_EQ(e.view.status, "");
    e.game.BtnPassClick();
    EXPECT_EQ(e.view.status, "終了！");
}

TEST(Passing, CaptionNamesTheSeatToMoveOrTheLocalPlayer)
{
    for (auto [seat, caption] : {std::pair{1, "Kuralo 【bobさんの番です】"}, std::pair{2, "Kuralo 【あなたの番です】"},
                                 std::pair{3, "Kuralo 【bobさんの番です】"}}) {
        GameRig e;
        e.station.seat = seat;
        e.reset(6);
        e.game.BtnPassClick();
        EXPECT_EQ(e.view.caption, caption) << "seat " << seat;
    }
    GameRig e;
    e.station.seat = 3;
    e.reset(6);
    passTimes(e, 3);
    e.game.TableSelectCell(e.game.legalCells().front().first, e.game.legalCells().front().second);
    EXPECT_EQ(e.view.caption, "Kuralo 【あかねさんの番です】");
}

// The host's first turn is opened by the start of the game, not by a change of turn.
TEST(Passing, FirstTurnOfAGameIsAnnouncedAsEveryOther)
{
    GameRig e;
    e.reset(6);
    e.game.openFirstTurn();
    EXPECT_EQ(e.view.caption, "Kuralo 【あなたの番です】");
    EXPECT_TRUE(e.game.myTurn());
}

// Seat 1 fills the last cell, (0, 0), closing the line on its own jewel.
TEST(Placement, MoveThatFillsTheBoardIsAnnouncedWithTheMoversSeatAndNeverRotates)
{
    GameRig e;
    e.rotation = true;
    e.reset(6);
    load(e.game, {".33333",
                  "323333",
                  "335333",
                  "333333",
                  "333333",
                  "333333"});
    setTurn(e.game, e.game.curPlayer(), 2);
    e.log.clear();
    e.game.TableSelectCell(0, 0);
    EXPECT_TRUE(e.game.jewelTouched());
    EXPECT_EQ(e.only({"sound rotate", "lamp", "announce", "status", "caption", "settings"}),
              (Log{"announce 0,0 seat 1", "status 終了！", "caption ゲーム終了　", "settings on"}));
    EXPECT_EQ(e.game.curPlayer(), 1);
    EXPECT_EQ(e.game.passCount(), 2);
}

TEST(Placement, JewelsTurnAtTheChangeOfTurnOnlyWhenTheBoxIsTickedAndAJewelClosedALine)
{
    struct Case {
        bool rotation;
        int col, row;
        bool rotates;
    };
    for (const Case c : {Case{true, 1, 3, true}, Case{false, 1, 3, false}, Case{true, 2, 5, false}}) {
        GameRig e;
        e.rotation = c.rotation;
        e.reset(8);
        e.game.TableSelectCell(c.col, c.row);
        const std::string announced = "announce " + cell(c.col, c.row) + " seat 2";
        const Log expected = c.rotates ? Log{"sound rotate", "lamp 1 off", "lamp 2 on", announced}
                                       : Log{"lamp 1 off", "lamp 2 on", announced};
        EXPECT_EQ(e.only({"sound rotate", "lamp", "announce"}), expected) << c.col << "," << c.row;
        EXPECT_EQ(e.game.board()[4][3], c.rotates ? 5 : 6) << "seat 1's jewel moved onto seat 2's cell";
    }
}

TEST(Placement, PassNeverRotatesAndClearsTheTouch)
{
    GameRig e;
    e.rotation = true;
    e.reset(8);
    e.game.TableSelectCell(1, 3);
    e.log.clear();
    e.game.BtnPassClick();
    EXPECT_FALSE(e.game.jewelTouched());
    EXPECT_TRUE(e.only({"sound rotate", "PutOnTheWay"}).empty());
}

TEST(Placement, RefusedCellOnlyBuzzesAndTheTurnGoesOn)
{
    GameRig e;
    e.reset(8, rules::Scoring::Points, 30);
    e.game.BeginLocalTurn();
    e.log.clear();
    for (auto [col, row] : {std::pair{3, 3}, std::pair{2, 3}, std::pair{0, 0}})
        e.game.TableSelectCell(col, row);
    EXPECT_EQ(e.log, Log(3, "sound buzz"));
    EXPECT_TRUE(e.game.myTurn());
    EXPECT_TRUE(e.station.boardOn);
    EXPECT_TRUE(e.station.passOn);
    EXPECT_EQ(e.game.curPlayer(), 1);
}

TEST(LocalTurn, OpensTheControlsAndStartsTheTimersOnlyWithALimit)
{
    for (int limit : {5, 60, 61}) {
        GameRig e;
        e.reset(8, rules::Scoring::Points, limit);
        e.game.BeginLocalTurn();
        const Log expected = limit < 61 ? Log{"board on", "pass on", "timers start"} : Log{"board on", "pass on"};
        EXPECT_EQ(e.log, expected) << limit;
        EXPECT_TRUE(e.game.myTurn());
    }
}

// A received move opens this station's turn only when the seat to move is its own and the game
// goes on: seat 2's station, after seat 1's move, a pass and the fourth pass in a row.
TEST(LocalTurn, AcceptedMoveOpensTheTurnOnlyOfTheNextSeatsStation)
{
    struct Case {
        int station;
        int passesBefore;
        int col, row;
        bool opens;
    };
    for (const Case& c : {Case{2, 0, 1, 3, true}, Case{3, 0, 1, 3, false}, Case{2, 0, -1, -1, true},
                          Case{1, 3, -1, -1, false}}) {
        GameRig e;
        e.station.seat = c.station;
        e.reset(8);
        setTurn(e.game, 1, c.passesBefore);
        e.game.playAccepted(c.col, c.row);
        EXPECT_EQ(e.game.myTurn(), c.opens) << c.station << " after " << c.col << "," << c.row;
        EXPECT_EQ(e.station.boardOn, c.opens);
        EXPECT_EQ(e.only({"announce"}).size(), 1u) << "applied and announced once";
    }
}

class Timed : public testing::Test {
protected:
    void SetUp() override
    {
        e.reset(8, rules::Scoring::Points, 30);
        e.game.BeginLocalTurn();
        e.log.clear();
    }
    GameRig e;
};

TEST_F(Timed, TimeOutShowsTimeUpAndPasses)
{
    e.game.TimerTimer();
    EXPECT_EQ(e.log, (Log{"time 時間切れ", "timers stop", "time 残り30秒", "lamp 1 off", "lamp 2 on",
                          "caption Kuralo 【bobさんの番です】", "announce -1,-1 seat 2"}));
    EXPECT_EQ(e.game.passCount(), 1);
    EXPECT_FALSE(e.game.myTurn());
}

TEST_F(Timed, CountdownShowsTheSecondsLeftWithoutFloorAndNeverPasses)
{
    for (int i = 0; i < 3; ++i)
        e.game.counterTimer();
    EXPECT_EQ(e.log, (Log{"time 残り29秒", "time 残り28秒", "time 残り27秒"}));
    for (int i = 0; i < 28; ++i)
        e.game.counterTimer();
    EXPECT_EQ(e.view.timeLeft, "残り-1秒");
    EXPECT_EQ(e.game.passCount(), 0);
    EXPECT_EQ(e.game.curPlayer(), 1);
}

TEST_F(Timed, PlacementStopsTheTimersAndRefillsTheCountdown)
{
    e.game.counterTimer();
    e.game.TableSelectCell(1, 3);
    EXPECT_EQ(e.only({"timers", "time"}), (Log{"time 残り29秒", "timers stop", "time 残り30秒"}));
    EXPECT_EQ(e.game.timeLeft(), 30);
}

TEST_F(Timed, TicksOutsideTheLocalTurnAreIgnored)
{
    e.game.TableSelectCell(1, 3);
    e.log.clear();
    // A time-out queued while the placement ran must not pass for the next seat.
    e.game.TimerTimer();
    e.game.counterTimer();
    EXPECT_TRUE(e.log.empty());
    EXPECT_EQ(e.game.passCount(), 0);
    EXPECT_EQ(e.game.curPlayer(), 2);
    EXPECT_EQ(e.game.timeLeft(), 30);
}

TEST(NoLimit, MovesAndPassesLeaveTheTimeLabelAndTimersAlone)
{
    GameRig e;
    e.reset(8);
    e.game.BeginLocalTurn();
    e.game.TableSelectCell(1, 3);
    e.game.BtnPassClick();
    EXPECT_TRUE(e.only({"time", "timers", "interval"}).empty());
}

TEST(AutoPlay, PassesAfterItsPauseWhenNothingIsLegal)
{
    GameRig e;
    e.station.automatic = true;
    e.reset(6);
    load(e.game, {"......",
                  "......",
                  "..56..",
                  "..78..",
                  "......",
                  "......"});
    e.game.BeginLocalTurn();
    EXPECT_EQ(e.only({"pass", "pause", "announce"}),
              (Log{"pass on", "pass off", "pause 100", "announce -1,-1 seat 2"}));
    EXPECT_EQ(e.game.passCount(), 1);
}

TEST(AutoPlay, PlacesOnALegalCellEveryTurn)
{
    GameRig e;
    e.station.automatic = true;
    e.reset(10, rules::Scoring::Count);
    for (int turn = 0; turn < 12 && e.view.status.empty(); ++turn) {
        const int mover = e.game.curPlayer();
        e.station.seat = mover;
        const Cells legal = e.game.legalCells();
        e.game.BeginLocalTurn();
        if (legal.empty()) {
            EXPECT_EQ(e.log.back(), "announce -1,-1 seat " + std::to_string(rules::nextSeat(mover)));
            continue;
        }
        ASSERT_TRUE(std::find(legal.begin(), legal.end(), std::pair{e.game.lastCol(), e.game.lastRow()}) != legal.end());
        EXPECT_EQ(e.game.board()[e.game.lastCol()][e.game.lastRow()], mover);
        EXPECT_EQ(e.log.back(), "announce " + cell(e.game.lastCol(), e.game.lastRow()) + " seat " +
                                    std::to_string(rules::nextSeat(mover)));
    }
}

// Automatic play draws from the station's seed alone, so a seed replays a whole game.
TEST(AutoPlay, TheStationsSeedReplaysTheGame)
{
    const auto play = [](unsigned seed) {
        GameRig e;
        e.station.automatic = true;
        e.station.seed = seed;
        e.reset(8);
        for (int turn = 0; turn < 40 && !e.game.gameOver(); ++turn) {
            e.station.seat = e.game.curPlayer();
            e.game.BeginLocalTurn();
        }
        return e.game.board();
    };
    EXPECT_EQ(play(7), play(7));
    EXPECT_NE(play(7), play(8));
}

TEST(AutoPlay, UntickedBoxLeavesTheTurnToThePlayer)
{
    GameRig e;
    e.reset(8);
    e.game.BeginLocalTurn();
    EXPECT_TRUE(e.only({"pause", "announce"}).empty());
    EXPECT_TRUE(e.game.myTurn());
}

} // namespace
