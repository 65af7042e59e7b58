#include "record/standings.h"
#include <algorithm>
#include <map>

namespace record {

std::vector<Standing> standings(const std::vector<Record>& games)
{
    std::map<QString, Standing> byName;
    for (const Record& game : games) {
        if (!game.finished())
            continue;
        const auto places = placesOf(*game.finalScores);
        for (int seat = 1; seat <= rules::Seats; ++seat) {
            Standing& standing = byName[game.name(seat)];
            const int score = (*game.finalScores)[std::size_t(seat - 1)];
            standing.bestScore = standing.games == 0 ? score : std::max(standing.bestScore, score);
            ++standing.games;
            ++standing.timesInPlace[std::size_t(places[std::size_t(seat - 1)] - 1)];
        }
    }
    std::vector<Standing> table;
    for (auto& [name, standing] : byName) {
        standing.name = name;
        int sum = 0;
        for (int place = 1; place <= rules::Seats; ++place)
            sum += place * standing.timesInPlace[std::size_t(place - 1)];
        standing.averagePlace = double(sum) / standing.games;
        table.push_back(standing);
    }
    std::stable_sort(table.begin(), table.end(), [](const Standing& a, const Standing& b) {
        return a.averagePlace != b.averagePlace ? a.averagePlace < b.averagePlace : a.games > b.games;
    });
    return table;
}

QStringList winners(const Record& game)
{
    QStringList names;
    if (!game.finished())
        return names;
    const auto places = placesOf(*game.finalScores);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        if (places[std::size_t(seat - 1)] == 1)
            names << game.name(seat);
    return names;
}

bool hasPlayer(const Record& game, const QString& name)
{
    return std::any_of(game.names.begin(), game.names.end(),
                       [&](const QString& seated) { return seated.contains(name, Qt::CaseInsensitive); });
}

} // namespace record
