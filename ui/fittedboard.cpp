#include "ui/fittedboard.h"
#include "ui/boardcoordinates.h"
#include "ui/boardgrid.h"
#include <algorithm>

namespace ui {

FittedBoard::FittedBoard(BoardGrid& board, QWidget* parent)
    : QWidget(parent), board_(board), coordinates_(new BoardCoordinates(board, this))
{
    board_.setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int FittedBoard::smallest() const
{
    return board_.gridSize() * BoardGrid::Cell;
}

QSize FittedBoard::sizeHint() const
{
    const int side = smallest() + BoardCoordinates::Margin;
    return {side, side};
}

QSize FittedBoard::minimumSizeHint() const
{
    return {smallest(), smallest()};
}

void FittedBoard::resizeEvent(QResizeEvent*)
{
    refit();
}

void FittedBoard::refit()
{
    const int room = std::min(width(), height());
    const int inset = coordinates_->insetFor(room, board_.gridSize());
    const double ratio = devicePixelRatioF();
    board_.setShownCell(std::max(int(BoardGrid::Cell * ratio), int((room - inset) * ratio) / board_.gridSize()));
    board_.move(inset, inset);
    coordinates_->follow(inset);
}

} // namespace ui
