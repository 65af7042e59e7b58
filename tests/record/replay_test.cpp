#include "record/replay.h"
#include "tests/support/playedgame.h"
#include <gtest/gtest.h>
#include <random>

using record::Record;
using record::Replay;

namespace {

// Now and then a pass besides those forced.
constexpr unsigned PassOneIn = 20;

} // namespace

TEST(Replay, RandomGamesReachTheirRecordedResult)
{
    std::mt19937 random(8);
    for (int size = rules::MinBoardSize; size <= rules::MaxBoardSize; size += 5)
        for (const auto scoring : {rules::Scoring::Points, rules::Scoring::Count})
            for (const bool rotation : {false, true}) {
                const Record game = playedGame(random, size, scoring, rotation, PassOneIn);
                const Replay replay(game);
                EXPECT_TRUE(replay.problem().isEmpty()) << replay.problem().toStdString();
                ASSERT_EQ(replay.moves(), int(game.moves.size()));
                EXPECT_TRUE(replay.after(replay.moves()).over());
            }
}

TEST(Replay, AMoveThatCannotBePlayedStopsTheReplayThere)
{
    std::mt19937 random(9);
    const Record game = playedGame(random, 8, rules::Scoring::Points, true, PassOneIn);
    const auto firstPlacement = std::find_if(game.moves.begin(), game.moves.end(), [](const auto& m) { return !m.isPass(); });
    const int at = int(firstPlacement - game.moves.begin());
    const struct {
        const char* name;
        record::Move move;
        const char* says;
    } cases[] = {
        {"a cell already taken", {firstPlacement->seat, 3, 3}, "D4"},
        {"the wrong seat", {firstPlacement->seat % 4 + 1, firstPlacement->col, firstPlacement->row}, "番席"},
    };
    for (const auto& c : cases) {
        Record edited = game;
        edited.moves[std::size_t(at)] = c.move;
        const Replay replay(edited);
        EXPECT_EQ(replay.moves(), at) << c.name;
        EXPECT_TRUE(replay.problem().startsWith(QString::number(at + 1) + QStringLiteral("手目"))) << c.name;
        EXPECT_TRUE(replay.problem().contains(QString::fromUtf8(c.says))) << c.name;
    }
    Record longer = game;
    longer.moves.push_back({1, -1, -1});
    EXPECT_EQ(Replay(longer).moves(), int(game.moves.size()));
    EXPECT_FALSE(Replay(longer).problem().isEmpty());
    Record wrongResult = game;
    (*wrongResult.finalScores)[0] += 1;
    EXPECT_FALSE(Replay(wrongResult).problem().isEmpty());
    Record cut = game;
    cut.moves.resize(cut.moves.size() / 2);
    cut.finalScores.reset();
    EXPECT_TRUE(Replay(cut).problem().isEmpty());
}
