#pragma once
#include "record/record.h"
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace record {

// How one name has fared over the finished games it sat in.
struct Standing {
    QString name;
    int games = 0;
    std::array<int, 4> timesInPlace{}; // [place - 1]
    double averagePlace = 0;
    int bestScore = 0;
};

// Everyone who sat in a finished game, the best average place first (more games first among
// equals). Unfinished games count for no one.
std::vector<Standing> standings(const std::vector<Record>& games);

// The names in first place of a finished game; none for an unfinished one.
QStringList winners(const Record& game);

// Whether a name sat in the game; letter case is ignored, and part of a name will do.
bool hasPlayer(const Record& game, const QString& name);

} // namespace record
