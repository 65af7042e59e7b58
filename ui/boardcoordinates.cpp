#include "ui/boardcoordinates.h"
#include "rules/notation.h"
#include "ui/boardgrid.h"
#include "ui/fonts.h"
#include <QPainter>

namespace ui {

namespace {

constexpr int FontPixels = 11;

} // namespace

BoardCoordinates::BoardCoordinates(BoardGrid& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setFont(uiFont(FontPixels));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BoardCoordinates::setWanted(bool on)
{
    wanted_ = on;
}

int BoardCoordinates::insetFor(int room, int n) const
{
    return wanted_ && room - Margin >= n * BoardGrid::Cell ? Margin : 0;
}

void BoardCoordinates::follow(int inset)
{
    setGeometry(QRect(board_.pos() - QPoint(inset, inset), board_.geometry().bottomRight()));
    setVisible(inset > 0);
    stackUnder(&board_);
    update();
}

void BoardCoordinates::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint board = board_.geometry().topLeft() - geometry().topLeft();
    for (int i = 0; i < board_.gridSize(); ++i) {
        const QRect cell = board_.cellOnScreen(QPoint(i, i)).translated(board);
        painter.drawText(QRect(cell.left(), 0, cell.width(), board.y()), Qt::AlignCenter, rules::columnLetter(i));
        painter.drawText(QRect(0, cell.top(), board.x() - 2, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
                         rules::rowNumber(i));
    }
}

} // namespace ui
