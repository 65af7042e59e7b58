#include "ai/choose.h"
#include "ai/greedy.h"
#include "ai/search.h"

namespace ai {

QString levelName(Level level)
{
    switch (level) {
    case Level::Random:
        return QStringLiteral("適当");
    case Level::Greedy:
        return QStringLiteral("普通");
    case Level::Strong:
        break;
    }
    return QStringLiteral("強い");
}

namespace {

// legal holds at least one index. A level outside the three thinks as the strongest.
int choiceOf(const rules::Position& position, const std::vector<int>& legal, Level level, std::mt19937& rng,
             Clock::duration budget)
{
    switch (level) {
    case Level::Random:
        return legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
    case Level::Greedy:
        return greedyChoice(position, legal, rng);
    case Level::Strong:
        break;
    }
    return searchChoice(position, legal, Clock::now() + budget);
}

} // namespace

rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng, Clock::duration budget)
{
    const std::vector<int> legal = position.legalIndices();
    if (legal.empty())
        return rules::Pass;
    const int chosen = choiceOf(position, legal, level, rng, budget);
    return {rules::Board::colOf(chosen), rules::Board::rowOf(chosen)};
}

} // namespace ai
