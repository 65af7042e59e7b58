#include "ai/choose.h"
#include "ai/greedy.h"
#include "ai/montecarlo.h"
#include <thread>

namespace ai {

using std::chrono::milliseconds;

QString levelName(Level level)
{
    switch (level) {
    case Level::Random: return QStringLiteral("適当");
    case Level::Greedy: return QStringLiteral("普通");
    case Level::Strong: return QStringLiteral("強い");
    case Level::Strongest: break;
    }
    return QStringLiteral("最強");
}

QString computerName(int number, Level level)
{
    return QStringLiteral("CPU%1(%2)").arg(number).arg(levelName(level));
}

// A loaded machine stretches the processor time over more wall time; the ceilings leave room
// for that and still answer well inside the shortest time limit of a turn.
Budget budgetOf(Level level)
{
    if (level == Level::Strongest)
        return {milliseconds(1300), milliseconds(3000)};
    return {milliseconds(200), milliseconds(1000)};
}

int coreCount()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

namespace {

// legal holds at least one index. A level outside the four thinks as the strongest.
int choiceOf(const rules::Position& position, const std::vector<int>& legal, Level level, std::mt19937& rng,
             const Budget& budget)
{
    switch (level) {
    case Level::Random: return legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
    case Level::Greedy: return greedyChoice(position, legal, rng);
    case Level::Strong: return treeChoice(position, budget, 1, rng);
    case Level::Strongest: break;
    }
    return treeChoice(position, budget, coreCount(), rng);
}

} // namespace

rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng, const Budget& budget)
{
    const std::vector<int> legal = position.legalIndices();
    if (legal.empty())
        return rules::Pass;
    const int chosen = choiceOf(position, legal, level, rng, budget);
    return {rules::Board::colOf(chosen), rules::Board::rowOf(chosen)};
}

rules::Cell chooseCell(const rules::Position& position, Level level, std::mt19937& rng)
{
    return chooseCell(position, level, rng, budgetOf(level));
}

} // namespace ai
