#include "ai/choose.h"
#include <gtest/gtest.h>

namespace {

using ai::Level;
using std::chrono::milliseconds;

class EveryGame : public testing::TestWithParam<std::tuple<int, rules::Scoring, bool>> {};

// A random game to its end, each level asked at turns along the way, passes and the last
// few empty cells included: what a level answers is a legal cell, or a pass only when the
// seat has none.
TEST_P(EveryGame, EveryLevelAnswersALegalCellOrAForcedPass)
{
    const auto [size, scoring, rotation] = GetParam();
    rules::Position p = rules::Position::newGame(size, scoring, rotation);
    std::mt19937 rng(static_cast<unsigned>(size));
    const int every = size * size / 6; // about six questions a game
    for (int turn = 0; !p.over(); ++turn) {
        const Level level = static_cast<Level>(turn / every % 4 + 1);
        const bool asked = turn % every == 0 || p.emptyCells() < 3;
        const rules::Cell cell = asked ? ai::chooseCell(p, level, rng, {milliseconds(4), milliseconds(200)})
                                       : ai::chooseCell(p, Level::Random, rng);
        if (cell.isPass())
            ASSERT_TRUE(p.legalCells().empty()) << "turn " << turn << " level " << int(level);
        else
            ASSERT_TRUE(p.isLegal(cell)) << "turn " << turn << " level " << int(level);
        p.play(cell);
    }
}

INSTANTIATE_TEST_SUITE_P(SizesRulesRotation, EveryGame,
                         testing::Combine(testing::Range(rules::MinBoardSize, rules::MaxBoardSize + 1),
                                          testing::Values(rules::Scoring::Points, rules::Scoring::Count),
                                          testing::Bool()),
                         [](const auto& info) {
                             return "Size" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == rules::Scoring::Count ? "Count" : "Points") +
                                    (std::get<2>(info.param) ? "Rotation" : "Fixed");
                         });

} // namespace
