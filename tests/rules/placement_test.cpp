#include "rig.h"
#include "tests/support/namedcase.h"
#include <gtest/gtest.h>

using namespace fakes;
using Picture = std::vector<std::string>;
using Cells = std::vector<std::pair<int, int>>;

namespace {

TEST(LegalCells, OfSeatOneAfterANewGame)
{
    GameRig e;
    e.reset(8);
    EXPECT_EQ(e.game.legalCells(), (Cells{{1, 3}, {1, 5}, {2, 5}, {3, 1}, {5, 1}, {5, 2}}));
    e.reset(7);
    EXPECT_EQ(e.game.legalCells(), (Cells{{0, 2}, {1, 2}, {5, 2}, {6, 2}}));
}

TEST(LegalCells, FirstMovesOnEightCloseOnTheJewelOrOnAFace)
{
    for (auto [col, row, onJewel] : {std::tuple{1, 3, true}, std::tuple{1, 5, true}, std::tuple{3, 1, true},
                                     std::tuple{5, 1, true}, std::tuple{2, 5, false}, std::tuple{5, 2, false}}) {
        GameRig e;
        e.reset(8);
        e.TableSelectCell(col, row);
        EXPECT_EQ(e.game.jewelTouched(), onJewel) << col << "," << row;
        EXPECT_EQ(e.game.board()[col][row], 1);
    }
}

TEST(FirstMove, OnSevenCapturesTwoFacesClosedByAFace)
{
    GameRig e;
    e.reset(7);
    e.TableSelectCell(0, 2);
    EXPECT_EQ(picture(e.game), (Picture{"...3...",
                                        "...3...",
                                        "1.352..",
                                        "416.822",
                                        "..171..",
                                        "...1...",
                                        "...1..."}));
    EXPECT_FALSE(e.game.jewelTouched());
}

TEST(FirstMove, OnEightScoresByEitherRule)
{
    GameRig count;
    count.reset(8, rules::Scoring::Count);
    count.TableSelectCell(1, 3);
    EXPECT_EQ(count.game.scores(), (std::array<int, 5>{0, 4, 2, 2, 1}));
    EXPECT_EQ(utf8(rules::gainText(count.game, int(count.outcomes.back().taken.size()))), "2個");
    GameRig points;
    points.reset(8, rules::Scoring::Points);
    points.TableSelectCell(1, 3);
    EXPECT_EQ(points.game.scores(), (std::array<int, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(utf8(rules::gainText(points.game, int(points.outcomes.back().taken.size()))), "＋1点");
}

// One placement by seat 1 at (col, row) of the picture.
struct LineCase : NamedCase {
    Picture before;
    int col, row;
    Picture after; // empty when the cell is illegal
    bool jewelTouched;
};

class Lines : public testing::TestWithParam<LineCase> {};

TEST_P(Lines, CaptureWhatTheyClose)
{
    const LineCase& c = GetParam();
    GameRig e;
    e.reset(6);
    load(e.game, {c.before[0], c.before[1], c.before[2], c.before[3], c.before[4], c.before[5]});
    e.TableSelectCell(c.col, c.row);
    if (c.after.empty()) {
        EXPECT_EQ(e.log, Log{"sound buzz"});
        EXPECT_EQ(picture(e.game), c.before);
        return;
    }
    EXPECT_EQ(picture(e.game), c.after);
    EXPECT_EQ(e.game.jewelTouched(), c.jewelTouched);
}

INSTANTIATE_TEST_SUITE_P(Placement, Lines, testing::Values(
    LineCase{{"OccupiedCellIsIllegalWhateverItWouldClose"},
             {"......", ".321..", "......", "......", "......", "......"}, 1, 1, {}, false},
    LineCase{{"JewelCellIsIllegal"},
             {"......", ".721..", "......", "......", "......", "......"}, 1, 1, {}, false},
    LineCase{{"LineToTheEdgeCapturesNothing"},
             {"......", "......", "..2222", "......", "......", "......"}, 1, 2, {}, false},
    LineCase{{"LineIntoAnEmptyCellCapturesNothing"},
             {"......", "......", ".223.1", "......", "......", "......"}, 0, 2, {}, false},
    LineCase{{"AnotherSeatsJewelEndsTheLine"},
             {"......", "......", ".261..", "......", "......", "......"}, 0, 2, {}, false},
    LineCase{{"OwnJewelOrFaceNextToTheCellIsNotALine"},
             {"......", "......", ".51...", ".1....", "......", "......"}, 0, 2, {}, false},
    LineCase{{"OwnFaceClosesALineOfMixedSeats"},
             {"......", "......", ".2341.", "......", "......", "......"}, 0, 2,
             {"......", "......", "11111.", "......", "......", "......"}, false},
    LineCase{{"OwnJewelClosesALineAndTouchesIt"},
             {"......", "......", "......", "...3..", "....5.", "......"}, 2, 2,
             {"......", "......", "..1...", "...1..", "....5.", "......"}, true},
    LineCase{{"JewelOnOneLineFaceOnAnotherStillTouches"},
             {".5....", ".2....", "......", ".4....", ".1....", "......"}, 1, 2,
             {".5....", ".1....", ".1....", ".1....", ".1....", "......"}, true},
    LineCase{{"EveryClosedDirectionIsCapturedNotOnlyTheFirst"},
             {"1.1.1.", ".222..", "12.21.", ".222..", "1.1.1.", "......"}, 2, 2,
             {"1.1.1.", ".111..", "11111.", ".111..", "1.1.1.", "......"}, false},
    LineCase{{"OwnJewelEndsTheCaptureAndNothingBeyondItIsTaken"},
             {"......", "......", ".2521.", "......", "......", "......"}, 0, 2,
             {"......", "......", "11521.", "......", "......", "......"}, true}),
    byName);

TEST(SearchFace, CellOffTheBoardIsIllegalEvenWhereALineWouldClose)
{
    GameRig e;
    e.reset(6);
    load(e.game, {"......",
                  "......",
                  "21..12",
                  "......",
                  "1....1",
                  "2....2"});
    // From just outside each side the line 2-1 runs onto the board and would close.
    for (auto [col, row] : {std::pair{-1, 2}, std::pair{6, 2}, std::pair{0, 6}, std::pair{5, 6},
                            std::pair{-1000, 3}, std::pair{3, 1 << 30}}) {
        EXPECT_FALSE(e.game.Search_Face(col, row)) << col << "," << row;
        e.TableSelectCell(col, row);
    }
    EXPECT_EQ(e.log, Log(6, "sound buzz"));
}

// A row of k faces of seat 2 closed by seat 1, captured by a placement at the left end.
void captureRow(GameRig& e, int k, rules::Scoring scoring)
{
    e.reset(9, scoring);
    load(e.game, {".........", ".........", ".........", ".........", ".........", ".........",
                  ".........", ".........", "........."});
    for (int col = 1; col <= k; ++col)
        setCell(e.game, col, 0, 2);
    setCell(e.game, k + 1, 0, 1);
    e.TableSelectCell(0, 0);
}

struct GainCase {
    int captures;
    int pointsGain;
    const char* pointsText;
};

void PrintTo(const GainCase& c, std::ostream* out) { *out << c.captures << " captures"; }

class Scoring : public testing::TestWithParam<GainCase> {};

TEST_P(Scoring, PointsRuleScoresTheIthCaptureIPoints)
{
    const GainCase& c = GetParam();
    GameRig e;
    captureRow(e, c.captures, rules::Scoring::Points);
    EXPECT_EQ(e.game.scores(), (std::array<int, 5>{0, c.pointsGain, 0, 0, 0}));
    EXPECT_EQ(utf8(rules::gainText(e.game, int(e.outcomes.back().taken.size()))), c.pointsText);
    EXPECT_EQ(e.game.position().taken(), c.captures);
}

TEST_P(Scoring, CountRuleMovesOneFacePerCaptureAndCountsThePlacedFace)
{
    const int k = GetParam().captures;
    GameRig e;
    captureRow(e, k, rules::Scoring::Count);
    EXPECT_EQ(e.game.scores(), (std::array<int, 5>{0, 2 + k + 1, 2 - k, 2, 2}));
    EXPECT_EQ(utf8(rules::gainText(e.game, k)), std::to_string(k + 1) + "個");
    EXPECT_EQ(e.outcomes.back().taken.back().victimScore, 2 - k);
}

INSTANTIATE_TEST_SUITE_P(Captures, Scoring,
    testing::Values(GainCase{1, 1, "＋1点"}, GainCase{2, 3, "＋3点"}, GainCase{3, 6, "＋6点"},
                    GainCase{5, 15, "＋15点"}, GainCase{6, 21, "＋21点"}, GainCase{7, 28, "＋28点"}),
    [](const auto& info) { return "Captures" + std::to_string(info.param.captures); });

TEST(Scoring, PointsCountCapturesAcrossDirectionsInCaptureOrder)
{
    GameRig e;
    e.reset(6);
    load(e.game, {"..1...",
                  "..3...",
                  "..2...",
                  "......",
                  "..4...",
                  "..1..."});
    e.TableSelectCell(2, 3);
    std::vector<int> moverScores;
    for (const rules::Take& take : e.outcomes.back().taken)
        moverScores.push_back(take.moverScore);
    EXPECT_EQ(moverScores, (std::vector<int>{1, 3, 6}));
    EXPECT_EQ(e.game.scores(), (std::array<int, 5>{0, 6, 0, 0, 0}));
}

TEST(Scoring, CountRuleHasNoFloorOnAnOddBoard)
{
    GameRig e;
    e.reset(7, rules::Scoring::Count);
    // Seat 4 passes its only turn; its three starting faces are all captured.
    for (auto [col, row] : {std::pair{0, 2}, std::pair{2, 0}, std::pair{0, 4}, std::pair{-1, -1}, std::pair{0, 5}})
        if (col < 0)
            e.BtnPassClick();
        else
            e.TableSelectCell(col, row);
    EXPECT_TRUE(e.log.empty()) << "every move was legal";
    EXPECT_EQ(countCells(e.game, 4), 0);
    EXPECT_EQ(e.game.scores()[4], -1);
    EXPECT_EQ(utf8(rules::scoreText(e.game, e.game.scores()[4])), "-1個");
}

} // namespace
