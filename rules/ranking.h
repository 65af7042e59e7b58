#pragma once
#include <QString>
#include <vector>

namespace rules {

// One seat's line of a finished game's result.
struct Place {
    int place = 0; // 1 for the highest score
    int seat = 0;  // 1..4
    QString name;
    int score = 0;
    bool operator==(const Place&) const = default;
};

// The seats by score, highest first. Equal scores share the place of the first of them
// (58, 58, 40 give 1, 1, 3), in seat order. names[i] and scores[i] belong to seat i + 1;
// a seat without a name or a score is left out.
std::vector<Place> ranking(const std::vector<QString>& names, const std::vector<int>& scores);

} // namespace rules
