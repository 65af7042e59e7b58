#include "rules/game.h"
#include "ui/moveanimator.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Moves shown over time: each step in the rules' order, paced on a timer, one move after another.
namespace {

using Log = std::vector<std::string>;

std::string at(int col, int row)
{
    return std::to_string(col) + "," + std::to_string(row);
}

struct Screen : ui::MoveScreen {
    void Put(int col, int row, int image) override { add("Put " + at(col, row) + " " + std::to_string(image)); }
    void PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image) override
    {
        add("Way " + at(col, row) + " " + at(toward.dc, toward.dr) + " " + std::to_string(step) + "/" +
            std::to_string(steps) + " " + std::to_string(image));
    }
    void Del(int col, int row) override { add("Del " + at(col, row)); }
    void repaintBoard() override { add("repaint"); }
    void showLamp(int seat, bool lit) override { add("lamp " + std::to_string(seat) + (lit ? " on" : " off")); }
    void showScore(int seat, int score) override { add("score " + std::to_string(seat) + " " + std::to_string(score)); }
    void showGain(int taken) override { add("gain " + std::to_string(taken)); }
    void showTurn(int seat) override { add("turn " + std::to_string(seat)); }
    void showEnd() override { add("end"); }
    void play(ui::Sound sound) override { add("sound " + std::to_string(int(sound))); }
    void add(std::string entry) { log.push_back(std::move(entry)); }
    Log only(std::string_view prefix) const
    {
        Log kept;
        for (const std::string& entry : log)
            if (entry.starts_with(prefix))
                kept.push_back(entry);
        return kept;
    }
    Log log;
};

struct Shown {
    explicit Shown(int size, rules::Scoring scoring = rules::Scoring::Points, bool rotation = false)
    {
        game.Reset({size, scoring, rules::NoLimit, rotation}, {"a", "b", "c", "d"});
        animator.reset(game.board(), scoring);
    }
    rules::Game game;
    Screen screen;
    ui::MoveAnimator animator{screen};
};

TEST(MoveAnimator, PlacementShowsTheFaceThenEachTakenFaceAHundredMillisecondsApart)
{
    Shown s(8, rules::Scoring::Count);
    s.animator.show(s.game.play({1, 3})); // seat 1 takes seat 4's face at (2, 3)
    EXPECT_EQ(s.screen.log, (Log{"sound 0", "score 1 3", "gain 0", "repaint"})) << "then the first pause";
    EXPECT_FALSE(s.animator.idle());
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.animator.idle(); }, 2000));
    EXPECT_EQ(s.screen.log, (Log{"sound 0", "score 1 3", "gain 0", "repaint", "score 4 1", "sound 2", "score 1 4",
                                 "gain 1", "repaint", "lamp 1 off", "lamp 2 on", "turn 2"}));
    EXPECT_EQ(s.animator.board(), s.game.board());
    EXPECT_EQ(s.animator.last(), (rules::Cell{1, 3}));
}

TEST(MoveAnimator, NextMoveWaitsForTheLastAndWhatComesAfterWaitsForBoth)
{
    Shown s(8);
    s.animator.show(s.game.play({1, 3}));
    const auto [col, row] = s.game.legalCells().front();
    s.animator.show(s.game.play({col, row}));
    bool ran = false;
    s.animator.then([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(s.screen.only("lamp").size(), 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, 2000));
    EXPECT_EQ(s.screen.only("turn"), (Log{"turn 2", "turn 3"}));
    const auto second = std::find(s.screen.log.begin(), s.screen.log.end(), "turn 2") + 1;
    ASSERT_NE(second, s.screen.log.end());
    EXPECT_EQ(*second, "sound 0") << "the next move begins where the last one ended";
    EXPECT_EQ(*(second + 1), "Del 1,3") << "its old mark goes first";
    EXPECT_EQ(s.animator.board(), s.game.board());
}

TEST(MoveAnimator, NewGameDropsWhatWasStillToBeShown)
{
    Shown s(8);
    s.animator.show(s.game.play({1, 3}));
    s.animator.reset(s.game.board(), rules::Scoring::Points);
    EXPECT_TRUE(s.animator.idle());
    QTest::qWait(250);
    EXPECT_TRUE(s.screen.only("lamp").empty());
}

// Seat 1's move that turned the jewels, as a screen sees only the turn.
rules::Outcome jewelsTurn()
{
    rules::Outcome turn;
    turn.mover = 1;
    turn.next = 2;
    turn.jewelsTurned = true;
    return turn;
}

class Frames : public testing::TestWithParam<int> {};

// Each jewel slides from its cell to the next clockwise in five frames, drawn with its own code.
TEST_P(Frames, SlideEachJewelOntoItsNextCellAndOnlyTheLastTurnsTheBoard)
{
    ui::MoveAnimator::pauseFactor = 0;
    Shown s(GetParam(), rules::Scoring::Points, true);
    const rules::Board before = s.game.board();
    s.animator.show(jewelsTurn());
    ui::MoveAnimator::pauseFactor = 1;
    const Log ways = s.screen.only("Way");
    ASSERT_EQ(ways.size(), 20u);
    const int c = GetParam() / 2;
    const auto cells = before.jewelCells();
    for (int frame = 1; frame <= 5; ++frame)
        for (int i = 0; i < 4; ++i) {
            const int col = c + cells[i].dc;
            const int row = c + cells[i].dr;
            EXPECT_TRUE(ways[std::size_t((frame - 1) * 4 + i)].starts_with("Way " + at(col, row) + " "));
            EXPECT_TRUE(ways[std::size_t((frame - 1) * 4 + i)].ends_with(" " + std::to_string(frame) + "/5 " +
                                                                           std::to_string(before[col][row])));
        }
    EXPECT_EQ(s.screen.only("repaint").size(), 4u) << "one repaint per jewel in the last frame";
    rules::Board turned = before;
    for (const rules::JewelCell& cell : cells)
        turned.turnJewel(c + cell.dc, c + cell.dr);
    EXPECT_EQ(s.animator.board(), turned);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Frames, testing::Values(6, 7, 26), testing::PrintToStringParamName());

TEST(MoveAnimator, OddBoardRedrawsTheCentreAndItsDiagonalsFromTheirCodesEachFrame)
{
    ui::MoveAnimator::pauseFactor = 0;
    Shown s(7, rules::Scoring::Points, true);
    s.animator.show(jewelsTurn());
    ui::MoveAnimator::pauseFactor = 1;
    const Log first(s.screen.log.begin() + 1, s.screen.log.begin() + 12);
    EXPECT_EQ(first, (Log{"Del 3,2", "Del 3,3", "Del 4,4", "Put 4,4 1", "Del 2,2", "Put 2,2 3", "Del 4,2", "Put 4,2 2",
                          "Del 2,4", "Put 2,4 4", "Way 3,2 1,1 1/5 5"}));
}

} // namespace

// A caught-up move behind one still being shown: no sound and no pause of its own, and the same
// screen as when shown over time.
TEST(MoveAnimator, CaughtUpMoveShowsAtOnceSilentlyWithTheSameEnd)
{
    Shown timed(8, rules::Scoring::Count);
    Shown hurried(8, rules::Scoring::Count);
    for (Shown* s : {&timed, &hurried}) {
        s->animator.show(s->game.play({1, 3}));
        const auto [col, row] = s->game.legalCells().front();
        s->animator.show(s->game.play({col, row}), s == &hurried);
        s->animator.show(jewelsTurn(), s == &hurried);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return timed.animator.idle() && hurried.animator.idle(); }, 3000));
    const auto withoutSounds = [](Log log) {
        std::erase_if(log, [](const std::string& e) { return e.starts_with("sound"); });
        return log;
    };
    EXPECT_EQ(withoutSounds(hurried.screen.log), withoutSounds(timed.screen.log));
    EXPECT_EQ(hurried.screen.only("sound"), (Log{"sound 0", "sound 2"})) << "only the first move's";
    EXPECT_EQ(hurried.animator.board(), timed.animator.board());
}

// A move taken back: what was still to be shown goes, and the screen shows the game as it stands.
TEST(MoveAnimator, RewindShowsTheGameAsItNowStands)
{
    Shown s(8);
    const auto before = s.game.board();
    s.animator.show(s.game.play({1, 3}));
    s.game.takeBack(1);
    s.animator.rewind(s.game);
    EXPECT_TRUE(s.animator.idle());
    EXPECT_EQ(s.animator.board(), before);
    EXPECT_EQ(s.animator.last(), rules::Pass);
    EXPECT_EQ(s.screen.only("turn"), (Log{"turn 1"}));
    EXPECT_EQ(s.screen.only("lamp"), (Log{"lamp 1 on", "lamp 2 off", "lamp 3 off", "lamp 4 off"}));
}
