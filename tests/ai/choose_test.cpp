#include "ai/choose.h"
#include "picture.h"
#include <gtest/gtest.h>
#include <map>

namespace ai {
// A level prints as the number the lobby and the command line offer.
void PrintTo(Level level, std::ostream* out) { *out << "Level" << static_cast<int>(level); }
} // namespace ai

namespace {

using ai::Level;
using picture::positionOf;
using rules::Cell;

using std::chrono::milliseconds;

// Levels 3 and 4 think this long; a slow build still plays out many games.
constexpr ai::Budget ShortBudget{milliseconds(20), milliseconds(400)};
constexpr ai::Budget LongBudget{milliseconds(200), milliseconds(2000)};

Cell choose(const rules::Position& position, Level level, unsigned seed = 1, const ai::Budget& budget = ShortBudget)
{
    std::mt19937 rng(seed);
    return ai::chooseCell(position, level, rng, budget);
}

struct Obvious {
    const char* name;
    rules::Position position;
    Cell best;
};

// Seat 1 takes three faces in one line at (0, 0), or one at (2, 5).
constexpr std::string_view ThreeOrOne[] = {".2341.", "......", "..56..", "..78..", "......", "...21."};

rules::Position threeOrOne(rules::Scoring scoring)
{
    const auto& r = ThreeOrOne;
    return positionOf({r[0], r[1], r[2], r[3], r[4], r[5]}, {1, scoring, false});
}

// Seat 1 takes one face either way. At (1, 3) its jewel closes the line, the jewels turn, and
// seat 2's jewel leaves (4, 3), which would otherwise close two of seat 1's faces for seat 2
// playing at (4, 0).
rules::Position rotationDecides()
{
    return positionOf({"........",
                       "....1...",
                       "....1...",
                       "..356...",
                       "...78...",
                       "........",
                       "........",
                       ".....14."},
                      {1, rules::Scoring::Points, true});
}

void PrintTo(const Obvious& obvious, std::ostream* out) { *out << obvious.name; }

std::vector<Obvious> captureCases()
{
    return {{"PointsThreeFacesInOneLine", threeOrOne(rules::Scoring::Points), {0, 0}},
            {"CountThreeFacesInOneLine", threeOrOne(rules::Scoring::Count), {0, 0}}};
}

class ObviouslyBest : public testing::TestWithParam<std::tuple<Obvious, Level>> {};

TEST_P(ObviouslyBest, IsChosenWhateverTheRandomDraws)
{
    const auto& [obvious, level] = GetParam();
    for (unsigned seed = 1; seed <= 3; ++seed)
        EXPECT_EQ(choose(obvious.position, level, seed, LongBudget), obvious.best) << "seed " << seed;
}

std::string caseName(const testing::TestParamInfo<std::tuple<Obvious, Level>>& info)
{
    return std::string(std::get<0>(info.param).name) + "Level" + std::to_string(static_cast<int>(std::get<1>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(Captures, ObviouslyBest,
                         testing::Combine(testing::ValuesIn(captureCases()),
                                          testing::Values(Level::Greedy, Level::Strong, Level::Strongest)),
                         caseName);
// Level 2 weighs the next seat's reply alone; to the tree searches, a three-point reply this
// early on is lost in what the rest of the game is worth.
INSTANTIATE_TEST_SUITE_P(Rotation, ObviouslyBest,
                         testing::Combine(testing::Values(Obvious{"RotationTakesAwayTheNextSeatsCapture", rotationDecides(), {1, 3}}),
                                          testing::Values(Level::Greedy)),
                         caseName);

TEST(RotationDecides, WithoutRotationTheJewelMoveIsNoBetter)
{
    const auto& cells = rotationDecides().legalCells();
    ASSERT_EQ(cells, (std::vector<Cell>{{1, 3}, {7, 7}}));
    rules::Position fixed = positionOf({"........", "....1...", "....1...", "..356...", "...78...", "........",
                                        "........", ".....14."},
                                       {1, rules::Scoring::Points, false});
    std::map<int, int> chosen;
    for (unsigned seed = 1; seed <= 40; ++seed)
        ++chosen[choose(fixed, Level::Greedy, seed).col];
    EXPECT_GT(chosen[1], 0);
    EXPECT_GT(chosen[7], 0);
}

// Taking two faces at (1, 0) lines up four of seat 1's faces between seat 2's corner and
// an empty cell; taking one at (1, 7) gives nothing away.
TEST(Strong, SeesWhatTheGreedyMoveGivesAway)
{
    const rules::Position p = positionOf({"2.331...",
                                          "........",
                                          "........",
                                          "...56...",
                                          "...78...",
                                          "........",
                                          "........",
                                          "..41...."},
                                         {1, rules::Scoring::Count, false});
    ASSERT_EQ(p.legalCells(), (std::vector<Cell>{{1, 0}, {1, 7}}));
    EXPECT_EQ(choose(p, Level::Greedy), (Cell{1, 0}));
    EXPECT_EQ(choose(p, Level::Strong, 1, LongBudget), (Cell{1, 7}));
}

TEST(Random, DrawsEveryLegalCell)
{
    const rules::Position start = rules::Position::newGame(8, rules::Scoring::Points, false);
    std::map<std::pair<int, int>, int> drawn;
    std::mt19937 rng(5);
    for (int i = 0; i < 600; ++i) {
        const Cell cell = ai::chooseCell(start, Level::Random, rng);
        ++drawn[{cell.col, cell.row}];
    }
    ASSERT_EQ(drawn.size(), start.legalCells().size());
    for (const auto& [cell, times] : drawn)
        EXPECT_GT(times, 50) << cell.first << "," << cell.second;
}

class EveryLevel : public testing::TestWithParam<Level> {};

TEST_P(EveryLevel, PassesOnlyWithoutALegalCell)
{
    const rules::Position stuck = positionOf({"1.....", "......", "..56..", "..78..", "......", "......"}, {});
    EXPECT_EQ(choose(stuck, GetParam()), rules::Pass);
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel, testing::Values(Level::Random, Level::Greedy, Level::Strong, Level::Strongest),
                         [](const auto& info) { return "Level" + std::to_string(static_cast<int>(info.param)); });

TEST(LevelName, AsThePlayerSeesIt)
{
    EXPECT_EQ(ai::levelName(Level::Random), QStringLiteral("適当"));
    EXPECT_EQ(ai::levelName(Level::Greedy), QStringLiteral("普通"));
    EXPECT_EQ(ai::levelName(Level::Strong), QStringLiteral("強い"));
    EXPECT_EQ(ai::levelName(Level::Strongest), QStringLiteral("最強"));
}

} // namespace
