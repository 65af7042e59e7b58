#pragma once
#include "ai/choose.h"
#include "record/record.h"
#include <QTimeZone>
#include <random>

// A whole game of computer players of levels 1 and 2, seats 1 and 3 at random, 2 and 4 greedy,
// as their stations record it; the same seed plays the same game.
inline record::Record computerGame(unsigned seed, int size, rules::Scoring scoring, bool rotation)
{
    std::mt19937 rng(seed);
    record::Record game;
    game.played = QDateTime(QDate(2026, 12, 8), QTime(20, 15), QTimeZone::utc());
    game.boardSize = size;
    game.scoring = scoring;
    game.rotation = rotation;
    game.names = {QStringLiteral("CPU1"), QStringLiteral("CPU2"), QStringLiteral("CPU3"), QStringLiteral("CPU4")};
    auto position = rules::Position::newGame(size, scoring, rotation);
    while (!position.over()) {
        const ai::Level level = position.toMove() % 2 == 1 ? ai::Level::Random : ai::Level::Greedy;
        const rules::Cell cell = ai::chooseCell(position, level, rng);
        game.moves.push_back({position.toMove(), cell.col, cell.row});
        position.play(cell);
    }
    game.finalScores = std::array<int, 4>{position.score(1), position.score(2), position.score(3), position.score(4)};
    return game;
}
