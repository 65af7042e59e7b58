#include "ai/greedy.h"
#include <algorithm>
#include <climits>

namespace ai {

int bestGain(const rules::Position& position)
{
    int best = 0;
    if (!position.over())
        for (int at : position.legalIndices())
            best = std::max(best, position.gainOf(at));
    return best;
}

namespace {

// Left to the next seat after a placement at index.
int threatAfter(const rules::Position& position, int index)
{
    rules::Position after = position;
    after.place(index);
    return bestGain(after);
}

} // namespace

int greedyChoice(const rules::Position& position, const std::vector<int>& legal, std::mt19937& rng)
{
    int topGain = 0;
    for (int at : legal)
        topGain = std::max(topGain, position.gainOf(at));
    int leastThreat = INT_MAX;
    std::vector<int> best;
    for (int at : legal) {
        if (position.gainOf(at) < topGain)
            continue;
        const int threat = threatAfter(position, at);
        if (threat < leastThreat)
            best.clear();
        if (threat <= leastThreat) {
            leastThreat = threat;
            best.push_back(at);
        }
    }
    return best[std::uniform_int_distribution<std::size_t>(0, best.size() - 1)(rng)];
}

} // namespace ai
