#include "ai/gameanalysis.h"
#include "picture.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

using picture::positionOf;
using rules::Cell;

// Every position of a game of random legal moves, the start first and the end last; the moves
// go to played when given.
std::vector<rules::Position> randomGame(unsigned seed, int size, rules::Scoring scoring, bool rotation,
                                        std::vector<Cell>* played = nullptr)
{
    std::mt19937 random(seed);
    std::vector<rules::Position> positions{rules::Position::newGame(size, scoring, rotation)};
    while (!positions.back().over()) {
        rules::Position next = positions.back();
        const auto legal = next.legalCells();
        const Cell cell = legal.empty() ? rules::Pass : legal[random() % legal.size()];
        next.play(cell);
        positions.push_back(next);
        if (played)
            played->push_back(cell);
    }
    return positions;
}

void expectSame(const std::vector<ai::Judgement>& a, const std::vector<ai::Judgement>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(a[k].chances, b[k].chances) << k;
        EXPECT_EQ(a[k].preferred, b[k].preferred) << k;
    }
}

// A test may compare the output of two runs, whatever the threads and their timing.
TEST(GameAnalysis, JudgesAlikeWhateverTheThreads)
{
    const auto positions = randomGame(3, 6, rules::Scoring::Points, false);
    ai::GameAnalysis alone(positions, 150, 1);
    ai::GameAnalysis three(positions, 150, 3);
    alone.wait();
    three.waitFor(three.total());
    ASSERT_TRUE(alone.finished());
    ASSERT_TRUE(three.finished());
    expectSame(alone.judgements(), three.judgements());
    EXPECT_EQ(alone.judgements()[4].chances, ai::judge(positions[4], 150, ai::seedOf(4)).chances);
}

int threadsOfThisProcess()
{
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return int(std::distance(begin(tasks), end(tasks)));
}

TEST(GameAnalysis, ACancelledOrAbandonedAnalysisLeavesNoThreadBehind)
{
    const auto positions = randomGame(4, 13, rules::Scoring::Count, false);
    const int before = threadsOfThisProcess();
    {
        ai::GameAnalysis abandoned(positions, ai::MaxEffort, 2);
        EXPECT_EQ(threadsOfThisProcess(), before + 2);
    }
    EXPECT_EQ(threadsOfThisProcess(), before);
    ai::GameAnalysis cancelled(positions, ai::MaxEffort, 2);
    cancelled.cancel();
    EXPECT_EQ(threadsOfThisProcess(), before);
    EXPECT_FALSE(cancelled.finished());
    cancelled.wait(); // nothing left to wait for
}

// Points rule, late: seat 1, five points behind seat 3, takes six faces at (4, 4) or one at (0, 0).
rules::Position captureOrNot()
{
    const rules::Position drawn = positionOf({"..1114",
                                              ".33334",
                                              ".35644",
                                              "337844",
                                              "1322..",
                                              ".3222."},
                                             {});
    return rules::Position(drawn.board(), 1, {0, 6, 6, 11, 6}, rules::Scoring::Points, false);
}

TEST(ReviewMoves, TheLargeCaptureIsPreferredAndTheSmallOneIsAMistake)
{
    const rules::Position p = captureOrNot();
    ASSERT_EQ(p.board().captures(rules::Board::indexOf(4, 4), 1), 6);
    ASSERT_EQ(p.board().captures(rules::Board::indexOf(0, 0), 1), 1);
    const auto reviewOf = [&p](Cell cell) {
        rules::Position after = p;
        after.play(cell);
        const std::vector<ai::Judgement> judged{ai::judge(p, ai::UsualEffort, 1), ai::judge(after, ai::UsualEffort, 2)};
        return ai::reviewMoves({p, after}, {cell}, judged, ai::UsualEffort).front();
    };
    const ai::MoveReview capture = reviewOf({4, 4});
    EXPECT_EQ(capture.preferred, (Cell{4, 4}));
    EXPECT_EQ(capture.loss, 0);
    const ai::MoveReview small = reviewOf({0, 0});
    EXPECT_EQ(small.seat, 1);
    EXPECT_TRUE(small.mistake()) << small.standing[1] << " -> " << small.after;
    EXPECT_NEAR(small.loss, small.standing[1] - small.after, 1e-6);
}

// A move that does better than the search expected has lost nothing.
TEST(ReviewMoves, ALossIsNeverBelowNothing)
{
    const rules::Position p = captureOrNot();
    rules::Position after = p;
    after.play({0, 0});
    ai::Judgement before{{}, {0, 0.2f, 0.3f, 0.3f, 0.2f}, {4, 4}};
    const ai::Judgement better{{}, {0, 0.5f, 0.2f, 0.2f, 0.1f}, {5, 4}};
    EXPECT_EQ(ai::reviewMove(p, {0, 0}, before, better, ai::UsualEffort).loss, 0);
    before.standing = {0, 0.7f, 0.1f, 0.1f, 0.1f};
    EXPECT_NEAR(ai::reviewMove(p, {0, 0}, before, better, ai::UsualEffort).loss, 0.2f, 1e-6);
}

// Once one seat has run away, every seat's moves still move its standing to the very end: in the
// last quarter of each of twenty games, each seat has a move whose standing after differs from before.
TEST(ReviewMoves, EverySeatsMovesCountToTheEnd)
{
    for (unsigned game = 0; game < 20; ++game) {
        std::vector<Cell> played;
        const auto scoring = game % 2 ? rules::Scoring::Count : rules::Scoring::Points;
        const auto positions = randomGame(100 + game, 8, scoring, false, &played);
        ai::GameAnalysis analysis(positions, 100, 2);
        analysis.wait();
        const std::size_t moves = played.size();
        const auto reviews = ai::reviewMoves(positions, played, analysis.judgements(), 100);
        std::array<bool, 5> judged{};
        for (std::size_t k = moves - moves / 4; k < moves; ++k)
            judged[std::size_t(reviews[k].seat)] |= reviews[k].standing[reviews[k].seat] != reviews[k].after;
        EXPECT_EQ(std::count(judged.begin(), judged.end(), true), 4) << "game " << game;
    }
}

} // namespace
