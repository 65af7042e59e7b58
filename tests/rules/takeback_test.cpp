#include "setups.h"
#include <gtest/gtest.h>
#include <random>

namespace {

struct Snapshot {
    rules::Board board;
    std::array<int, 5> scores;
    int toMove, passes, lastCol, lastRow;
    bool over;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snap(const rules::Game& g)
{
    return {g.board(), g.scores(), g.curPlayer(), g.passCount(), g.lastCol(), g.lastRow(), g.gameOver()};
}

class TakeBack : public testing::TestWithParam<GameSetup> {};

// Taking moves back in uneven steps passes through the very states forward play went
// through, down to the start; playing the same moves again reaches the same end.
TEST_P(TakeBack, RetracesForwardPlayBothWays)
{
    const GameSetup setup = GetParam();
    fakes::GameRig rig;
    rig.rotation = setup.rotation;
    rig.reset(setup.size, setup.scoring);
    rules::Game& g = rig.game;
    std::mt19937 random(seedOf(setup));
    std::vector<Snapshot> states{snap(g)};
    while (!g.gameOver()) {
        const auto cells = g.legalCells();
        if (cells.empty() || random() % 10 == 0) {
            g.play(rules::Pass);
        } else {
            const auto [col, row] = cells[random() % cells.size()];
            g.play({col, row});
        }
        states.push_back(snap(g));
    }
    const std::vector<rules::Cell> played = g.moves();
    while (!g.moves().empty()) {
        g.takeBack(1 + int(random() % 5));
        ASSERT_EQ(snap(g), states[g.moves().size()]) << "after taking back to move " << g.moves().size();
    }
    g.takeBack(3);
    ASSERT_EQ(snap(g), states.front()) << "nothing left to take back changes nothing";
    for (const rules::Cell cell : played)
        g.play(cell);
    EXPECT_EQ(snap(g), states.back());
}

INSTANTIATE_TEST_SUITE_P(AllSetups, TakeBack, testing::ValuesIn(everySetup()),
                         [](const auto& info) { return nameOf(info.param); });

} // namespace
