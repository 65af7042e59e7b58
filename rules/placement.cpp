#include "rules/game.h"
#include <algorithm>
#include <QCoreApplication>

namespace rules {

// The cell (col, row) itself is not read, so it may lie off the board.
bool Game::Vector_Search(int col, int row, int dc, int dr) const
{
    return onBoard(col + dc, row + dr) && board.closes(Board::indexOf(col, row), Board::stepOf({dc, dr}), curPlayer);
}

bool Game::Search_Face(int col, int row) const
{
    return onBoard(col, row) && board.canPlace(Board::indexOf(col, row), curPlayer);
}

std::vector<std::pair<int, int>> Game::legalCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (int at : board.legalIndices(curPlayer))
        cells.emplace_back(Board::colOf(at), Board::rowOf(at));
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
    board[col][row] = static_cast<Code>(curPlayer);
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
    const auto take = [this](int at) { capture(Board::colOf(at), Board::rowOf(at)); };
    if (board.captureLine(Board::indexOf(col, row), Board::stepOf({dc, dr}), curPlayer, take))
        jewelTouched = true; // only the mover's own jewel can close an accepted line
}

// (col, row) holds a face of another seat.
void Game::capture(int col, int row)
{
    const int victim = board[col][row];
    if (countMode)
        addscore(victim, -1);
    board[col][row] = static_cast<Code>(curPlayer);
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
