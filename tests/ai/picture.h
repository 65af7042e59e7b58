#pragma once
#include "rules/position.h"
#include <initializer_list>
#include <ostream>
#include <string_view>

namespace rules {
inline void PrintTo(const Cell& cell, std::ostream* out) { *out << cell.col << "," << cell.row; }
} // namespace rules

// Board pictures: one string per row from the top, one character per column; '.' is
// empty, digits are cell codes (1-4 faces, 5-8 jewels of seats 1-4).
namespace picture {

struct Game {
    int toMove = 1;
    rules::Scoring scoring = rules::Scoring::Points;
    bool rotation = false;
};

inline rules::Position positionOf(std::initializer_list<std::string_view> rows, Game game)
{
    const int n = static_cast<int>(rows.size());
    rules::Board board;
    board.reset(n);
    std::array<int, 5> scores{};
    int row = 0;
    for (std::string_view line : rows) {
        for (int col = 0; col < n; ++col)
            if (line[col] != '.') {
                const int code = line[col] - '0';
                board[col][row] = static_cast<rules::Code>(code);
                if (game.scoring == rules::Scoring::Count && rules::isFace(code))
                    ++scores[code]; // the count rule's score follows the faces
            }
        ++row;
    }
    return rules::Position(board, game.toMove, scores, game.scoring, game.rotation);
}

} // namespace picture
