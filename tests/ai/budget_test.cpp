#include "ai/choose.h"
#include <ctime>
#include <gtest/gtest.h>

namespace {

using ai::Level;
using Millis = std::chrono::duration<double, std::milli>;
using std::chrono::milliseconds;

Millis threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return Millis(1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec));
}

// Mid-game on a board large enough that no search ends before its budget.
rules::Position midGame()
{
    rules::Position p = rules::Position::newGame(13, rules::Scoring::Points, true);
    std::mt19937 rng(13);
    for (int turn = 0; turn < 40; ++turn)
        p.play(ai::chooseCell(p, Level::Random, rng));
    return p;
}

// One playout on 13 × 13 takes well under this, even in a build without optimisation.
constexpr Millis Tolerance(60);

class SearchingLevel : public testing::TestWithParam<Level> {};

// The asking thread is one of those that search, so its own processor time is the budget.
TEST_P(SearchingLevel, SpendsItsProcessorBudget)
{
    const rules::Position p = midGame();
    std::mt19937 rng(1);
    const Millis before = threadTime();
    ai::chooseCell(p, GetParam(), rng, {milliseconds(80), std::chrono::seconds(20)});
    const Millis spent = threadTime() - before;
    EXPECT_GE(spent.count(), 80);
    EXPECT_LE(spent, Millis(80) + Tolerance);
}

TEST_P(SearchingLevel, AnswersAtTheCeilingWhateverItsProcessorBudget)
{
    const rules::Position p = midGame();
    std::mt19937 rng(1);
    const auto start = ai::Clock::now();
    ai::chooseCell(p, GetParam(), rng, {std::chrono::seconds(20), milliseconds(80)});
    const Millis took = ai::Clock::now() - start;
    EXPECT_GE(took.count(), 80);
    EXPECT_LE(took, Millis(80) + Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Levels3And4, SearchingLevel, testing::Values(Level::Strong, Level::Strongest),
                         [](const auto& info) { return "Level" + std::to_string(static_cast<int>(info.param)); });

} // namespace
