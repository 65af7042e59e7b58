#pragma once
#include "record/record.h"
#include "rules/position.h"
#include <random>

// A whole game of random legal moves on the rules, as a station records it: a seat passes when
// it has no cell, and, given passOneIn, about once in that many turns besides.
inline record::Record playedGame(std::mt19937& random, int size, rules::Scoring scoring, bool rotation,
                                 unsigned passOneIn = 0)
{
    record::Record game;
    game.boardSize = size;
    game.scoring = scoring;
    game.rotation = rotation;
    auto position = rules::Position::newGame(size, scoring, rotation);
    while (!position.over()) {
        const auto legal = position.legalCells();
        const bool pass = legal.empty() || (passOneIn > 0 && random() % passOneIn == 0);
        const rules::Cell cell = pass ? rules::Pass : legal[random() % legal.size()];
        game.moves.push_back({position.toMove(), cell.col, cell.row});
        position.play(cell);
    }
    game.finalScores = std::array<int, 4>{position.score(1), position.score(2), position.score(3), position.score(4)};
    return game;
}
