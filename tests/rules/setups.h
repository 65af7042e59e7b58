#pragma once
#include "rig.h"
#include <ostream>
#include <string>
#include <vector>

// One way the host can set a game up: the board size, the scoring rule, rotating jewels.
struct GameSetup {
    int size;
    rules::Scoring scoring;
    bool rotation;
};

inline std::string nameOf(const GameSetup& s)
{
    return "N" + std::to_string(s.size) + fakes::nameOf(s.scoring) + (s.rotation ? "Rotating" : "Fixed");
}

inline void PrintTo(const GameSetup& s, std::ostream* out) { *out << nameOf(s); }

// A random game's seed of its own for each setup, the same on every run.
inline unsigned seedOf(const GameSetup& s) { return unsigned(s.size * 4 + int(s.scoring) * 2 + s.rotation); }

// Every setup the lobby offers.
inline std::vector<GameSetup> everySetup()
{
    std::vector<GameSetup> setups;
    for (int size = rules::MinBoardSize; size <= rules::MaxBoardSize; ++size)
        for (rules::Scoring scoring : {rules::Scoring::Points, rules::Scoring::Count})
            for (bool rotation : {false, true})
                setups.push_back({size, scoring, rotation});
    return setups;
}
