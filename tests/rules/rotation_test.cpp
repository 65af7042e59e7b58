#include "rig.h"
#include <gtest/gtest.h>
#include <array>

using namespace fakes;
using Picture = std::vector<std::string>;
using Codes = std::array<int, 4>;

namespace {

struct Offset {
    int dc, dr;
};
// Jewel cells in call order.
constexpr Offset EvenCells[] = {{-1, -1}, {0, -1}, {-1, 0}, {0, 0}};   // A B C D
constexpr Offset OddCells[] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};      // T L U R

const Offset* cellsOf(const rules::Game& g) { return g.boardSize() % 2 ? OddCells : EvenCells; }

// The jewels' turn as a placement that a jewel closed makes it, on the board alone.
void turnJewels(rules::Game& g)
{
    const rules::Position& now = g.position();
    rules::Board board = now.board();
    for (const rules::JewelCell& cell : board.jewelCells())
        board.turnJewel(g.centerCol() + cell.dc, g.centerRow() + cell.dr);
    g.resume(rules::Position(board, now.toMove(), now.scores(), now.scoring(), now.rotation(), now.passCount()));
}

Codes jewelCodes(const rules::Game& g)
{
    Codes codes{};
    for (int i = 0; i < 4; ++i)
        codes[i] = g.board()[g.centerCol() + cellsOf(g)[i].dc][g.centerRow() + cellsOf(g)[i].dr];
    return codes;
}

TEST(Rotation, OneTurnOnSixAndSeven)
{
    const std::pair<int, Picture> turned[] = {
        {6, {"......",
             "..43..",
             ".4753.",
             ".2861.",
             "..21..",
             "......"}},
        {7, {"...3...",
             "...3...",
             "..362..",
             "447.522",
             "..481..",
             "...1...",
             "...1..."}}};
    for (const auto& [size, after] : turned) {
        GameRig e;
        e.reset(size);
        turnJewels(e.game);
        EXPECT_EQ(picture(e.game), after) << size;
    }
}

class RotationTables : public testing::TestWithParam<int> {};

TEST_P(RotationTables, EachTurnMovesEveryJewelOneCellClockwiseAndFourRestoreTheStart)
{
    const bool odd = GetParam() % 2 == 1;
    const std::array<Codes, 4> expected = odd
        ? std::array<Codes, 4>{Codes{6, 7, 8, 5}, Codes{7, 8, 5, 6}, Codes{8, 5, 6, 7}, Codes{5, 6, 7, 8}}
        : std::array<Codes, 4>{Codes{7, 5, 8, 6}, Codes{8, 7, 6, 5}, Codes{6, 8, 5, 7}, Codes{5, 6, 7, 8}};
    GameRig e;
    e.reset(GetParam());
    const Picture start = picture(e.game);
    for (int turn = 0; turn < 4; ++turn) {
        turnJewels(e.game);
        EXPECT_EQ(jewelCodes(e.game), expected[turn]) << "after " << turn + 1;
    }
    EXPECT_EQ(picture(e.game), start);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RotationTables, testing::Values(6, 7, 8, 9, 26),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

TEST(Rotation, FaceOnTheOddCentreKeepsItsCode)
{
    GameRig e;
    e.reset(9);
    setCell(e.game, 4, 4, 3);
    turnJewels(e.game);
    EXPECT_EQ(e.game.board()[4][4], 3);
    EXPECT_EQ(countCells(e.game, 3), 4);
}

TEST(Rotation, CaptureLinesCloseOnTheJewelsNewCell)
{
    GameRig e;
    e.reset(6);
    // Down from (3, 0): seat 3's face, then the jewel cell (3, 2), seat 2's at the start.
    EXPECT_FALSE(e.game.Search_Face(3, 0));
    turnJewels(e.game);
    ASSERT_EQ(e.game.board()[3][2], rules::jewelOf(1));
    EXPECT_TRUE(e.game.Search_Face(3, 0));
}

} // namespace
