#pragma once
#include <QString>

namespace ai {

// How hard a computer player tries; the numbers are what the command line and the lobby
// offer.
enum class Level {
    Random = 1,    // 適当: any legal cell, as automatic play
    Greedy = 2,    // 普通: the best immediate gain
    Strong = 3,    // 強い: a tree search of a fifth of a second on one core
    Strongest = 4, // 最強: a tree search of over a second on every core
};

// The level's name as it travels and is recorded, whatever the interface's language.
QString levelName(Level level);
// A computer player's name in the member list and in records: "CPU1(強い)", never translated,
// so that the standings count one computer as one.
QString computerName(int number, Level level);

} // namespace ai
