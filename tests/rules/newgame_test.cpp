#include "rig.h"
#include "setups.h"
#include "rules/failure.h"
#include "rules/ranking.h"
#include <algorithm>
#include <gtest/gtest.h>

using namespace fakes;
using Picture = std::vector<std::string>;

namespace {

struct Layout {
    int size;
    Picture board;
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << "N" << layout.size; }

class InitialLayout : public testing::TestWithParam<Layout> {};

TEST_P(InitialLayout, MatchesThePicture)
{
    GameRig e;
    e.reset(GetParam().size);
    EXPECT_EQ(picture(e.game), GetParam().board);
    EXPECT_EQ(e.game.centerCol(), GetParam().size / 2);
    EXPECT_EQ(e.game.centerRow(), GetParam().size / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, InitialLayout,
    testing::Values(
        Layout{6, {"......",
                   "..43..",
                   ".4563.",
                   ".2781.",
                   "..21..",
                   "......"}},
        Layout{7, {"...3...",
                   "...3...",
                   "..352..",
                   "446.822",
                   "..471..",
                   "...1...",
                   "...1..."}},
        Layout{8, {"........",
                   "........",
                   "...43...",
                   "..4563..",
                   "..2781..",
                   "...21...",
                   "........",
                   "........"}},
        Layout{26, {"..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "............43............",
                    "...........4563...........",
                    "...........2781...........",
                    "............21............",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    "..........................",
                    ".........................."}}),
    [](const auto& info) { return "N" + std::to_string(info.param.size); });

struct StartCase {
    rules::Scoring scoring;
    int timeLimit;
    const char* score;
};

std::string startName(const StartCase& c)
{
    return fakes::nameOf(c.scoring) + (c.timeLimit == rules::NoLimit ? "NoLimit" : "Limit" + std::to_string(c.timeLimit));
}
void PrintTo(const StartCase& c, std::ostream* out) { *out << startName(c); }

class StartingFigures : public testing::TestWithParam<StartCase> {};

TEST_P(StartingFigures, ScoresAndTimeLabel)
{
    const StartCase& c = GetParam();
    GameRig e;
    e.game.Reset({7, c.scoring, c.timeLimit}, FourNames);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(rules::scoreText(e.game, e.game.scores()[seat]).toStdString(), c.score);
        EXPECT_EQ(e.game.scores()[seat], c.scoring == rules::Scoring::Count ? 2 : 0);
    }
    EXPECT_EQ(e.game.timeLimit(), c.timeLimit);
}

INSTANTIATE_TEST_SUITE_P(Rules, StartingFigures,
    testing::Values(StartCase{rules::Scoring::Count, 61, "2個"},
                    StartCase{rules::Scoring::Points, 61, "0点"},
                    StartCase{rules::Scoring::Count, 5, "2個"},
                    StartCase{rules::Scoring::Points, 60, "0点"}),
    [](const auto& info) { return startName(info.param); });

// Plays until the board is dirty everywhere the rules keep state.
void playSomeMoves(GameRig& e)
{
    for (int i = 0; i < 6; ++i) {
        const auto cells = e.game.legalCells();
        ASSERT_FALSE(cells.empty());
        e.TableSelectCell(cells.front().first, cells.front().second);
    }
    e.BtnPassClick();
}

TEST(NewGame, SecondGameOnASmallerOrLargerBoardLeavesNoTrace)
{
    for (auto [first, second] : {std::pair{26, 6}, std::pair{6, 26}, std::pair{9, 8}}) {
        GameRig fresh;
        fresh.reset(second);
        GameRig e;
        e.reset(first, rules::Scoring::Count);
        playSomeMoves(e);
        e.game.Reset({second, rules::Scoring::Count, 61}, FourNames);
        EXPECT_EQ(picture(e.game), picture(fresh.game)) << first << " then " << second;
        EXPECT_EQ(e.game.boardSize(), second);
        EXPECT_EQ(e.game.lastCol(), -1);
        EXPECT_EQ(e.game.lastRow(), -1);
        EXPECT_EQ(e.game.passCount(), 0);
        EXPECT_EQ(e.game.curPlayer(), 1);
        EXPECT_EQ(e.game.scores(), (std::array<int, 5>{0, 2, 2, 2, 2}));
    }
}

class TooFewNames : public testing::TestWithParam<int> {};

TEST_P(TooFewNames, FailsAtTheMissingNameAndKeepsThePreviousGame)
{
    const int count = GetParam();
    GameRig e;
    e.reset(8, rules::Scoring::Points, 20);
    playSomeMoves(e);
    const rules::Game before = e.game;

    try {
        e.game.Reset({6, rules::Scoring::Count, 61}, FourNames.mid(0, count));
        FAIL() << "Reset accepted " << count << " names";
    } catch (const Failure& failure) {
        EXPECT_EQ(utf8(failure.text()), "リストのインデックスが範囲を超えています (" + std::to_string(count) + ")");
    }
    EXPECT_EQ(e.game.scoring(), rules::Scoring::Points);
    EXPECT_EQ(e.game.name(1), FourNames[0]);
    EXPECT_EQ(picture(e.game), picture(before));
    EXPECT_EQ(e.game.boardSize(), 8);
    EXPECT_EQ(e.game.scores(), before.scores());
    EXPECT_EQ(e.game.curPlayer(), before.curPlayer());
    EXPECT_EQ(e.game.passCount(), before.passCount());
    EXPECT_EQ(e.game.lastCol(), before.lastCol());
    EXPECT_EQ(e.game.timeLimit(), 20);
    EXPECT_EQ(e.game.moves(), before.moves());
}

INSTANTIATE_TEST_SUITE_P(Counts, TooFewNames, testing::Values(1, 2, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Names"; });

TEST(NewGame, MoreThanFourNamesSeatTheFirstFour)
{
    GameRig e;
    e.game.Reset({6, rules::Scoring::Points, 61}, FourNames + QStringList{"eve"});
    EXPECT_EQ(utf8(e.game.name(4)), "dave");
}

TEST(NewGame, SizeAndLimitOutsideTheSlidersAreBoundedInsteadOfBreakingTheLayout)
{
    GameRig e;
    e.game.Reset({3, rules::Scoring::Points, 0}, FourNames);
    EXPECT_EQ(e.game.boardSize(), rules::MinBoardSize);
    EXPECT_EQ(e.game.timeLimit(), rules::MinTimeLimit);
    e.game.Reset({99, rules::Scoring::Points, 600}, FourNames);
    EXPECT_EQ(e.game.boardSize(), rules::MaxBoardSize);
    EXPECT_EQ(e.game.timeLimit(), rules::NoLimit);
}

TEST(ExistSpace, FindsTheOnlyEmptyCellWhereverItIs)
{
    GameRig e;
    e.reset(6);
    load(e.game, {"111111", "111111", "111111", "111111", "111111", "111111"});
    EXPECT_FALSE(e.game.existSpace());
    for (auto [col, row] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}, std::pair{5, 5}, std::pair{2, 3}}) {
        setCell(e.game, col, row, rules::Empty);
        EXPECT_TRUE(e.game.existSpace()) << col << "," << row;
        setCell(e.game, col, row, 7);
        EXPECT_FALSE(e.game.existSpace()) << "a jewel counts as occupied";
    }
}

} // namespace
