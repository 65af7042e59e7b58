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

rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng, Clock::duration budget)
{
    const std::vector<int> legal = position.legalIndices();
    if (legal.empty())
        return rules::Pass;
    int chosen = legal.front();
    if (level == Level::Random)
        chosen = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
    else if (level == Level::Greedy)
        chosen = greedyChoice(position, legal, rng);
    else
        chosen = searchChoice(position, legal, Clock::now() + budget);
    return {rules::Board::colOf(chosen), rules::Board::rowOf(chosen)};
}

} // namespace ai
