#include "rules/ranking.h"
#include <algorithm>

namespace rules {

std::vector<Place> ranking(const std::vector<QString>& names, const std::vector<int>& scores)
{
    std::vector<Place> places;
    for (std::size_t i = 0; i < std::min(names.size(), scores.size()); ++i)
        places.push_back({0, int(i) + 1, names[i], scores[i]});
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.score > b.score; });
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i].place = i > 0 && places[i].score == places[i - 1].score ? places[i - 1].place : int(i) + 1;
    return places;
}

} // namespace rules
