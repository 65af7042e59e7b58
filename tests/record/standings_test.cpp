#include "record/standings.h"
#include <gtest/gtest.h>

using record::Record;

namespace {

Record game(std::array<const char*, 4> names, std::optional<std::array<int, 4>> scores)
{
    Record r;
    for (std::size_t i = 0; i < names.size(); ++i)
        r.names[i] = QString::fromUtf8(names[i]);
    r.finalScores = scores;
    return r;
}

} // namespace

TEST(Standings, PlacesGamesAndBestScoresOverTheFinishedGames)
{
    const std::vector<Record> games{
        game({"A", "B", "C", "D"}, std::array<int, 4>{58, 58, 40, 3}), // A 1, B 1, C 3, D 4
        game({"B", "A", "E", "C"}, std::array<int, 4>{10, 20, 30, 40}), // C 1, E 2, A 3, B 4
        game({"A", "B", "C", "D"}, std::nullopt),                       // left unfinished: no one's
    };
    const auto table = record::standings(games);
    ASSERT_EQ(table.size(), 5u);
    const auto of = [&](const char* name) {
        return *std::find_if(table.begin(), table.end(), [&](const auto& s) { return s.name == QLatin1String(name); });
    };
    EXPECT_EQ(of("A").games, 2);
    EXPECT_EQ(of("A").timesInPlace, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_DOUBLE_EQ(of("A").averagePlace, 2.0);
    EXPECT_EQ(of("A").bestScore, 58);
    EXPECT_EQ(of("B").timesInPlace, (std::array<int, 4>{1, 0, 0, 1}));
    EXPECT_EQ(of("C").bestScore, 40);
    EXPECT_EQ(of("D").games, 1);
    // A, C and E share an average of 2; E has played fewer games.
    EXPECT_EQ(table[2].name, QStringLiteral("E"));
    EXPECT_EQ(table.back().name, QStringLiteral("D"));
}

TEST(Standings, WinnersShareFirstPlace)
{
    EXPECT_EQ(record::winners(game({"A", "B", "C", "D"}, std::array<int, 4>{58, 58, 40, 3})),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_TRUE(record::winners(game({"A", "B", "C", "D"}, std::nullopt)).isEmpty());
}
