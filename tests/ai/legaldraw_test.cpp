#include "ai/legaldraw.h"
#include "rules/position.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

class LegalDrawAlongAGame : public testing::TestWithParam<int> {};

// One draw kept through a whole game, as through a playout, while cells fill and faces turn:
// every cell drawn is legal, and it draws nothing only when the seat must pass.
TEST_P(LegalDrawAlongAGame, DrawsOnlyLegalCellsAndNothingOnlyForAPass)
{
    const int size = GetParam();
    rules::Position p = rules::Position::newGame(size, rules::Scoring::Points, true);
    std::mt19937 rng(static_cast<unsigned>(size));
    ai::LegalDraw draws;
    draws.start(p.board());
    std::array<int, 3> drawn{};
    while (!p.over()) {
        const std::vector<int> legal = p.legalIndices();
        const int found = draws.draw(p.board(), p.toMove(), rng, drawn);
        ASSERT_EQ(found == 0, legal.empty());
        for (int i = 0; i < found; ++i)
            ASSERT_TRUE(std::ranges::count(legal, drawn[i]) == 1) << "cell " << drawn[i];
        if (found == 0)
            p.pass();
        else
            p.place(drawn[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LegalDrawAlongAGame, testing::Values(rules::MinBoardSize, 9, 13, rules::MaxBoardSize));

// A yardstick of uniformly random playouts relies on it: no legal cell is left out.
TEST(LegalDraw, DrawsEveryLegalCellOfAPosition)
{
    const rules::Position p = rules::Position::newGame(8, rules::Scoring::Count, false);
    const std::vector<int> legal = p.legalIndices();
    ai::LegalDraw draws;
    draws.start(p.board());
    std::mt19937 rng(3);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        int cell = -1;
        ASSERT_EQ(draws.draw(p.board(), p.toMove(), rng, std::span(&cell, 1)), 1);
        seen.insert(cell);
    }
    EXPECT_EQ(seen, std::set<int>(legal.begin(), legal.end()));
}

} // namespace
