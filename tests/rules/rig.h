#pragma once
#include "rules/game.h"
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// A game set up as a station sets one up, and pictures of its board.
namespace fakes {

using Log = std::vector<std::string>;

inline std::string utf8(const QString& text) { return text.toStdString(); }

inline std::string cell(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }

inline std::string nameOf(rules::Scoring scoring) { return scoring == rules::Scoring::Count ? "Count" : "Points"; }

inline const QStringList FourNames{"あかね", "bob", "carol", "dave"};

// One station's game, set up the way the lobby would, with the outcomes of its moves.
struct GameRig {
    rules::Game game;
    Log log; // what a refused cell sounded
    std::vector<rules::Outcome> outcomes;
    bool rotation = false; // of the games reset() sets up

    void reset(int size, rules::Scoring scoring = rules::Scoring::Points, int timeLimit = rules::NoLimit)
    {
        game.Reset({size, scoring, timeLimit, rotation}, FourNames, 1);
        log.clear();
        outcomes.clear();
    }
    // A chosen cell as the turn flow takes it: a buzz when it is not legal, else the move.
    bool TableSelectCell(int col, int row)
    {
        if (!game.Search_Face(col, row)) {
            log.push_back("sound buzz");
            return false;
        }
        outcomes.push_back(game.play({col, row}));
        return true;
    }
    void BtnPassClick() { outcomes.push_back(game.play(rules::Pass)); }
};

// Board pictures: one string per row from the top, one character per column; '.' is
// empty, digits are cell codes (1-4 faces, 5-8 jewels of seats 1-4).
inline void load(rules::Game& game, std::initializer_list<std::string_view> rows)
{
    const int n = static_cast<int>(rows.size());
    rules::Board board;
    board.reset(n);
    int row = 0;
    for (std::string_view line : rows) {
        for (int col = 0; col < n && col < static_cast<int>(line.size()); ++col)
            board[col][row] = static_cast<rules::Code>(line[col] == '.' ? rules::Empty : line[col] - '0');
        ++row;
    }
    const rules::Position& now = game.position();
    game.resume(rules::Position(board, now.toMove(), now.scores(), now.scoring(), now.rotation(), now.passCount()));
}

// The game as it stands with one cell changed.
inline void setCell(rules::Game& game, int col, int row, int code)
{
    const rules::Position& now = game.position();
    rules::Board board = now.board();
    board[col][row] = static_cast<rules::Code>(code);
    game.resume(rules::Position(board, now.toMove(), now.scores(), now.scoring(), now.rotation(), now.passCount()));
}

// The game as it stands with `seat` to move after `passes` passes in a row.
inline void setTurn(rules::Game& game, int seat, int passes = 0)
{
    const rules::Position& now = game.position();
    game.resume(rules::Position(now.board(), seat, now.scores(), now.scoring(), now.rotation(), passes));
}

inline std::vector<std::string> picture(const rules::Game& game)
{
    std::vector<std::string> rows(game.boardSize(), std::string(game.boardSize(), '.'));
    for (int col = 0; col < game.boardSize(); ++col)
        for (int row = 0; row < game.boardSize(); ++row)
            if (game.board()[col][row] != rules::Empty)
                rows[row][col] = static_cast<char>('0' + game.board()[col][row]);
    return rows;
}

inline int countCells(const rules::Game& game, int code)
{
    int n = 0;
    for (int col = 0; col < game.boardSize(); ++col)
        for (int v : game.board()[col])
            n += v == code;
    return n;
}

} // namespace fakes

namespace rules {
// A scoring rule prints as its name in test names and failures.
inline void PrintTo(Scoring scoring, std::ostream* out) { *out << fakes::nameOf(scoring); }
} // namespace rules
