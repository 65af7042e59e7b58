#pragma once
#include "rules/cell.h"
#include "rules/position.h"
#include "rules/scoring.h"
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// A game kept after it is over: the start settings, the four names and the moves are the whole
// game, since every station plays the same moves the same way.
namespace record {

// One turn as it was played: the seat and its cell, or its pass.
struct Move {
    int seat = 0; // 1..4
    int col = -1; // -1 for a pass
    int row = -1;
    bool isPass() const { return col < 0; }
    rules::Cell cell() const { return {col, row}; }
    bool operator==(const Move&) const = default;
};

// A watcher's station has no seat of its own.
constexpr int NoSeat = 0;

struct Record {
    QDateTime played; // when the game started
    int boardSize = rules::DefaultBoardSize;
    rules::Scoring scoring = rules::Scoring::Points;
    int timeLimit = rules::NoLimit;
    bool rotation = false;
    std::array<QString, 4> names; // [seat - 1]
    int ownSeat = NoSeat;
    std::vector<Move> moves;
    // Each seat's score at the end, [seat - 1]; none when the game was left unfinished.
    std::optional<std::array<int, 4>> finalScores;

    bool finished() const { return finalScores.has_value(); }
    const QString& name(int seat) const { return names[std::size_t(seat - 1)]; }
    bool operator==(const Record&) const = default;
};

// Places by score, 1 for the highest; equal scores share the place of the first of them
// (58, 58, 40 give 1, 1, 3).
inline std::array<int, 4> placesOf(const std::array<int, 4>& scores)
{
    std::array<int, 4> places{};
    for (std::size_t seat = 0; seat < scores.size(); ++seat) {
        places[seat] = 1;
        for (const int other : scores)
            places[seat] += other > scores[seat] ? 1 : 0;
    }
    return places;
}

// Bounds a reader keeps to, whatever a file says: a game cannot hold more turns than this, and
// a longer file is not a record.
constexpr int MaxMoves = 4 * rules::MaxBoardSize * rules::MaxBoardSize;
constexpr qsizetype MaxBytes = 256 * 1024;
constexpr int MaxNameLength = 64;

} // namespace record
