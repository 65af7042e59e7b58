#include "rules/game.h"
#include <algorithm>
#include <QCoreApplication>

namespace rules {

namespace {

struct Direction {
    int dc;
    int dr;
};

// Clockwise from up-left: every station tries and captures in this one order.
constexpr Direction Directions[] = {
    {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0},
};

} // namespace

// Steps from `from` to the last cell of the board along one axis.
int Game::stepsToEdge(int from, int step) const
{
    return step > 0 ? boardSize - 1 - from : step < 0 ? from : boardSize - 1;
}

// The cell (col, row) itself is not read, so it may lie off the board.
bool Game::Vector_Search(int col, int row, int dc, int dr) const
{
    if (!onBoard(col + dc, row + dr))
        return false;
    const int first = board[col + dc][row + dr];
    if (!isFace(first) || first == curPlayer)
        return false;
    const int steps = std::min(stepsToEdge(col, dc), stepsToEdge(row, dr));
    for (int d = 2; d <= steps; ++d) {
        const int v = board[col + d * dc][row + d * dr];
        if (v == curPlayer || v == jewelOf(curPlayer))
            return true;
        if (!isFace(v))
            return false;
    }
    return false;
}

bool Game::Search_Face(int col, int row) const
{
    if (!onBoard(col, row) || board[col][row] != Empty)
        return false;
    for (const Direction& dir : Directions)
        if (Vector_Search(col, row, dir.dc, dir.dr))
            return true;
    return false;
}

std::vector<std::pair<int, int>> Game::legalCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (int col = 0; col < boardSize; ++col)
        for (int row = 0; row < boardSize; ++row)
            if (Search_Face(col, row))
                cells.emplace_back(col, row);
    return cells;
}

// Search_Face(col, row) has just answered true.
void Game::PutFace(int col, int row)
{
    jewelTouched = false;
    moveCount = 0;
    moveTotal = 0;
    station_.setBoardEnabled(false);
    station_.setPassEnabled(false);
    view_.play(Sound::Put);
    if (lastCol >= 0)
        view_.Del(lastCol, lastRow); // the old last-move mark goes at the next repaint
    lastCol = col;
    lastRow = row;
    board[col][row] = curPlayer;
    if (countMode) {
        addscore(curPlayer, 1);
        moveCount = 1;
        showGain();
    }
    view_.repaintBoard();
    view_.pause(100);
    // The eight lines from one cell share no cell, so each test is unaffected by the others.
    for (const Direction& dir : Directions)
        if (Vector_Search(col, row, dir.dc, dir.dr))
            rev(col, row, dir.dc, dir.dr);
}

// Vector_Search(col, row, dc, dr) has just answered true.
void Game::rev(int col, int row, int dc, int dr)
{
    for (int d = 1; d < boardSize; ++d) {
        const int c = col + d * dc;
        const int r = row + d * dr;
        if (!onBoard(c, r))
            return;
        const int v = board[c][r];
        if (isJewel(v)) // only the mover's own jewel can close an accepted line
            jewelTouched = true;
        if (!isFace(v) || v == curPlayer)
            return;
        capture(c, r);
    }
}

// (col, row) holds a face of another seat.
void Game::capture(int col, int row)
{
    const int victim = board[col][row];
    if (countMode)
        addscore(victim, -1);
    board[col][row] = curPlayer;
    view_.play(Sound::Flip);
    ++moveCount;
    if (countMode) {
        addscore(curPlayer, 1);
    } else {
        addscore(curPlayer, moveCount);
        moveTotal += moveCount;
    }
    showGain();
    view_.repaintBoard();
    view_.pause(100);
}

void Game::showGain()
{
    if (countMode)
        view_.showGain(QCoreApplication::translate("rules::Game", "%1個").arg(moveCount), 11);
    else
        view_.showGain(QCoreApplication::translate("rules::Game", "＋%1点").arg(moveTotal), moveCount / 3 + 11);
}

} // namespace rules
