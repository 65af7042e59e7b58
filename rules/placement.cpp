#include "rules/game.h"
#include <QCoreApplication>

namespace rules {

// The cell (col, row) itself is not read, so it may lie off the board.
bool Game::Vector_Search(int col, int row, int dc, int dr) const
{
    return onBoard(col + dc, row + dr) &&
           board().closes(Board::indexOf(col, row), Board::stepOf({dc, dr}), curPlayer());
}

bool Game::Search_Face(int col, int row) const
{
    return position_.isLegal({col, row});
}

std::vector<std::pair<int, int>> Game::legalCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (const Cell& cell : position_.legalCells())
        cells.emplace_back(cell.col, cell.row);
    return cells;
}

// Search_Face(col, row) has just answered true.
void Game::PutFace(int col, int row)
{
    station_.setBoardEnabled(false);
    station_.setPassEnabled(false);
    view_.play(Sound::Put);
    if (lastCol_ >= 0)
        view_.Del(lastCol_, lastRow_); // the old last-move mark goes at the next repaint
    lastCol_ = col;
    lastRow_ = row;
    position_.putFace(Board::indexOf(col, row));
    if (countMode()) {
        showScore(curPlayer());
        showGain();
    }
    view_.repaintBoard();
    view_.pause(100);
    for (const Direction& dir : Directions)
        if (Vector_Search(col, row, dir.dc, dir.dr))
            rev(col, row, dir.dc, dir.dr);
}

// Vector_Search(col, row, dc, dr) has just answered true.
void Game::rev(int col, int row, int dc, int dr)
{
    position_.takeLine(Board::indexOf(col, row), {dc, dr}, [this](int, int victim) { capture(victim); });
}

// A face has just been taken from seat `victim` and scored.
void Game::capture(int victim)
{
    if (countMode())
        showScore(victim);
    view_.play(Sound::Flip);
    showScore(curPlayer());
    showGain();
    view_.repaintBoard();
    view_.pause(100);
}

// The faces of this placement so far: in the count rule with the placed one, else the points.
void Game::showGain()
{
    const int taken = position_.taken();
    if (countMode())
        view_.showGain(QCoreApplication::translate("rules::Game", "%1個").arg(taken + 1), 0);
    else
        view_.showGain(QCoreApplication::translate("rules::Game", "＋%1点").arg(gainFor(Scoring::Points, taken)),
                       taken);
}

} // namespace rules
