#include "rules/position.h"
#include <gtest/gtest.h>
#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The engine's transitions, one move each: what is legal, and what a placement or a pass
// leaves behind on the board, in the scores, the seat to move, the passes and the end.
namespace {

using Rows = std::vector<std::string_view>;
using Scores = std::array<int, 5>;

rules::Board boardOf(const Rows& rows)
{
    rules::Board board;
    board.reset(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row)
        for (int col = 0; col < int(rows[row].size()); ++col)
            if (rows[row][col] != '.')
                board[col][row] = rules::Code(rows[row][col] - '0');
    return board;
}

struct Transition {
    const char* name;
    Rows before;
    int toMove;
    int passes;
    rules::Scoring scoring;
    bool rotation;
    Scores scoresBefore;
    rules::Cell move;
    bool legal;
    // What the move leaves; unused for an illegal one.
    Rows after;
    Scores scoresAfter;
    int toMoveAfter;
    int passesAfter;
    bool over;
};

void PrintTo(const Transition& t, std::ostream* out) { *out << t.name; }

constexpr auto Points = rules::Scoring::Points;
constexpr auto Count = rules::Scoring::Count;
const Rows Open{".21...", "......", "......", "......", "......", "......"};
const Rows Jewels{"......", "......", ".256..", "..78..", "......", "......"};
const Rows TwoInARow{".221..", "......", "......", "......", "......", "......"};

class Engine : public testing::TestWithParam<Transition> {};

TEST_P(Engine, AppliesOneMove)
{
    const Transition& t = GetParam();
    rules::Position p(boardOf(t.before), t.toMove, t.scoresBefore, t.scoring, t.rotation, t.passes);
    ASSERT_EQ(p.isLegal(t.move), t.legal && !t.move.isPass());
    if (!t.legal)
        return;
    p.play(t.move);
    EXPECT_EQ(p.board(), boardOf(t.after));
    EXPECT_EQ(p.scores(), t.scoresAfter);
    EXPECT_EQ(p.toMove(), t.toMoveAfter);
    EXPECT_EQ(p.passCount(), t.passesAfter);
    EXPECT_EQ(p.over(), t.over);
    EXPECT_EQ(p.emptyCells(), rules::Position(boardOf(t.after), 1, {}, t.scoring, false).emptyCells());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Transitions, Engine, testing::Values(
    Transition{"LegalPlacementTakesTheLineEndsThePassesAndHandsOn",
               Open, 1, 2, Points, false, {},
               {0, 0}, true,
               {"111...", "......", "......", "......", "......", "......"}, {0, 1, 0, 0, 0}, 2, 0, false},
    Transition{"EmptyCellThatClosesNoLineIsIllegal",
               Open, 1, 0, Points, false, {},
               {0, 2}, false, {}, {}, 0, 0, false},
    Transition{"CellThatOnlyAnotherSeatCouldTakeIsIllegal",
               {".12...", "......", "......", "......", "......", "......"}, 1, 0, Points, false, {},
               {0, 0}, false, {}, {}, 0, 0, false},
    Transition{"CellOffTheBoardIsIllegal",
               Open, 1, 0, Points, false, {},
               {6, 0}, false, {}, {}, 0, 0, false},
    Transition{"PassCountsAndHandsOnFromTheLastSeatToTheFirst",
               Open, 4, 1, Points, false, {},
               rules::Pass, true,
               Open, {}, 1, 2, false},
    Transition{"FourthPassInARowEndsTheGameWithTheSeatStillToMove",
               Open, 3, 3, Points, false, {},
               rules::Pass, true,
               Open, {}, 3, 4, true},
    Transition{"FillingMoveEndsTheGameWithTheMoverToMoveAndItsPassesKept",
               {".21111", "111111", "111111", "111111", "111111", "111111"}, 1, 2, Points, false, {},
               {0, 0}, true,
               {"111111", "111111", "111111", "111111", "111111", "111111"}, {0, 1, 0, 0, 0}, 1, 2, true},
    Transition{"LineClosedByTheOwnJewelTurnsTheJewelsWhenTheyRotate",
               Jewels, 1, 0, Points, true, {},
               {0, 2}, true,
               {"......", "......", "1175..", "..86..", "......", "......"}, {0, 1, 0, 0, 0}, 2, 0, false},
    Transition{"JewelsStayWithoutRotation",
               Jewels, 1, 0, Points, false, {},
               {0, 2}, true,
               {"......", "......", "1156..", "..78..", "......", "......"}, {0, 1, 0, 0, 0}, 2, 0, false},
    Transition{"PointsRuleScoresOneThenTwoForTwoFaces",
               TwoInARow, 1, 0, Points, false, {0, 5, 5, 0, 0},
               {0, 0}, true,
               {"1111..", "......", "......", "......", "......", "......"}, {0, 8, 5, 0, 0}, 2, 0, false},
    Transition{"CountRuleMovesEachFaceAndCountsThePlacedOne",
               TwoInARow, 1, 0, Count, false, {0, 1, 2, 0, 0},
               {0, 0}, true,
               {"1111..", "......", "......", "......", "......", "......"}, {0, 4, 0, 0, 0}, 2, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
