#include "fakes.h"
#include <gtest/gtest.h>
#include <array>
#include <sstream>

using namespace fakes;
using Picture = std::vector<std::string>;
using Codes = std::array<int, 4>;

namespace {

struct Offset {
    int dc, dr;
};
// Jewel cells in call order and the cell each one travels to.
constexpr Offset EvenCells[] = {{-1, -1}, {0, -1}, {-1, 0}, {0, 0}};   // A B C D
constexpr Offset EvenDestinations[] = {{0, -1}, {0, 0}, {-1, -1}, {-1, 0}}; // B D A C
constexpr Offset OddCells[] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};      // T L U R
constexpr Offset OddDestinations[] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};   // R T L U

const Offset* cellsOf(const rules::Game& g) { return g.boardSize() % 2 ? OddCells : EvenCells; }
const Offset* destinationsOf(const rules::Game& g) { return g.boardSize() % 2 ? OddDestinations : EvenDestinations; }

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
        e.game.do_rotation();
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
        e.game.do_rotation();
        EXPECT_EQ(jewelCodes(e.game), expected[turn]) << "after " << turn + 1;
    }
    EXPECT_EQ(picture(e.game), start);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RotationTables, testing::Values(6, 7, 8, 9, 26),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

// "PutOnTheWay col,row dc,dr step/steps code" entries as numbers.
std::vector<std::array<int, 7>> drawnOnTheWay(const Log& entries)
{
    std::vector<std::array<int, 7>> drawn;
    for (const std::string& entry : entries) {
        std::istringstream in(entry.substr(12));
        std::array<int, 7> v{};
        char sep = 0;
        in >> v[0] >> sep >> v[1] >> v[2] >> sep >> v[3] >> v[4] >> sep >> v[5] >> v[6];
        drawn.push_back(v);
    }
    return drawn;
}

TEST_P(RotationTables, FramesSlideEachJewelFromItsCellOntoItsDestination)
{
    GameRig e;
    e.reset(GetParam());
    const Codes start = jewelCodes(e.game);
    e.game.do_rotation();
    const auto drawn = drawnOnTheWay(e.only({"PutOnTheWay"}));
    ASSERT_EQ(drawn.size(), 20u);
    for (int frame = 1; frame <= 5; ++frame)
        for (int i = 0; i < 4; ++i) {
            const int col = e.game.centerCol() + cellsOf(e.game)[i].dc;
            const int row = e.game.centerRow() + cellsOf(e.game)[i].dr;
            const auto& d = drawn[(frame - 1) * 4 + i];
            EXPECT_EQ(d[0], col) << "frame " << frame << " jewel " << i;
            EXPECT_EQ(d[1], row) << "frame " << frame << " jewel " << i;
            EXPECT_EQ(d[0] + d[2], e.game.centerCol() + destinationsOf(e.game)[i].dc) << "jewel " << i;
            EXPECT_EQ(d[1] + d[3], e.game.centerRow() + destinationsOf(e.game)[i].dr) << "jewel " << i;
            EXPECT_EQ(d[4], frame);
            EXPECT_EQ(d[5], 5);
            EXPECT_EQ(d[6], start[i]) << "each jewel is drawn with its own code until it lands";
        }
}

TEST(Rotation, FramesArePacedAndOnlyTheLastChangesTheBoard)
{
    GameRig e;
    e.reset(6);
    e.game.do_rotation();
    const Log paced = e.only({"sound", "pause", "repaint"});
    EXPECT_EQ(paced, (Log{"sound rotate", "pause 20", "pause 20", "pause 20", "pause 20", "pause 20",
                          "repaint", "repaint", "repaint", "repaint"}));

    GameRig f;
    f.reset(6);
    const Picture start = picture(f.game);
    for (int frame = 1; frame <= 4; ++frame)
        f.game.one_rotate(frame, 2, 2, 1);
    EXPECT_EQ(picture(f.game), start);
    f.game.one_rotate(5, 2, 2, 1);
    EXPECT_EQ(f.game.board()[2][2], 7);
}

TEST(Rotation, OddBoardRedrawsTheCentreAndItsDiagonalsFromTheirCodes)
{
    GameRig e;
    e.reset(7);
    e.game.one_rotate(1, 3, 2, 5);
    EXPECT_EQ(e.log, (Log{"Del 3,2", "Del 3,3", "Del 4,4", "Put 4,4 1", "Del 2,2", "Put 2,2 3",
                          "Del 4,2", "Put 4,2 2", "Del 2,4", "Put 2,4 4", "PutOnTheWay 3,2 1,1 1/5 5"}));
    setCell(e.game, 3, 3, 2);
    e.log.clear();
    e.game.one_rotate(3, 2, 3, 6);
    EXPECT_EQ(e.log[1], "Del 3,3");
    EXPECT_EQ(e.log[2], "Put 3,3 2");
    EXPECT_EQ(e.log.back(), "PutOnTheWay 2,3 1,-1 3/5 6");
}

TEST(Rotation, FaceOnTheOddCentreKeepsItsCode)
{
    GameRig e;
    e.reset(9);
    setCell(e.game, 4, 4, 3);
    e.game.do_rotation();
    EXPECT_EQ(e.game.board()[4][4], 3);
    EXPECT_EQ(countCells(e.game, 3), 4);
}

TEST(Rotation, CaptureLinesCloseOnTheJewelsNewCell)
{
    GameRig e;
    e.reset(6);
    // Down from (3, 0): seat 3's face, then the jewel cell (3, 2), seat 2's at the start.
    EXPECT_FALSE(e.game.Search_Face(3, 0));
    e.game.do_rotation();
    ASSERT_EQ(e.game.board()[3][2], rules::jewelOf(1));
    EXPECT_TRUE(e.game.Search_Face(3, 0));
}

} // namespace
