#include "rig.h"
#include "tests/support/namedcase.h"
#include "rules/ranking.h"
#include <gtest/gtest.h>
#include <random>

using namespace fakes;

namespace {

// Places as "place:name=score", best first.
std::vector<std::string> shown(const std::vector<rules::Place>& places)
{
    std::vector<std::string> lines;
    for (const rules::Place& p : places)
        lines.push_back(std::to_string(p.place) + ":" + utf8(p.name) + "=" + std::to_string(p.score));
    return lines;
}

struct RankingCase : NamedCase {
    std::vector<int> scores;
    std::vector<std::string> expected;
};

class Ranking : public testing::TestWithParam<RankingCase> {};

TEST_P(Ranking, OrdersByScoreAndEqualScoresSharePlaces)
{
    const std::vector<QString> names{"A", "B", "C", "D"};
    EXPECT_EQ(shown(rules::ranking(names, GetParam().scores)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(, Ranking,
    testing::Values(RankingCase{{"AllDifferent"}, {10, 40, 20, 30}, {"1:B=40", "2:D=30", "3:C=20", "4:A=10"}},
                    RankingCase{{"TieForFirst"}, {58, 40, 58, 12}, {"1:A=58", "1:C=58", "3:B=40", "4:D=12"}},
                    RankingCase{{"TieInTheMiddle"}, {9, 30, 20, 20}, {"1:B=30", "2:C=20", "2:D=20", "4:A=9"}},
                    RankingCase{{"TwoTies"}, {5, 7, 5, 7}, {"1:B=7", "1:D=7", "3:A=5", "3:C=5"}},
                    RankingCase{{"AllEqual"}, {2, 2, 2, 2}, {"1:A=2", "1:B=2", "1:C=2", "1:D=2"}},
                    RankingCase{{"NegativeAndZero"}, {0, -3, 4, 0}, {"1:C=4", "2:A=0", "2:D=0", "4:B=-3"}}),
    byName);

TEST(RankingOfFewerSeats, PlacesOnlyTheSeatsThatHaveANameAndAScore)
{
    EXPECT_EQ(shown(rules::ranking({"A", "B"}, {3, 9, 7, 1})), (std::vector<std::string>{"1:B=9", "2:A=3"}));
    EXPECT_EQ(shown(rules::ranking({"A", "B", "C"}, {4, 4})), (std::vector<std::string>{"1:A=4", "1:B=4"}));
    EXPECT_TRUE(rules::ranking({}, {1, 2}).empty());
}

} // namespace
