#include "rules/position.h"
#include "ui/boardgrid.h"
#include "ui/howtoplay.h"
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

// The small pictures of the window 遊び方, drawn with the board's own colours and pictures.
namespace ui::howto {

namespace {

constexpr int Cell = BoardGrid::Cell;
constexpr int ArrowWidth = 36;

int codeOf(QChar c)
{
    if (c >= u'1' && c <= u'4')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'D')
        return c.unicode() - u'A' + 5;
    return rules::Empty;
}

QImage emptyBoard(int cols, int rows)
{
    QImage image(cols * Cell - 1, rows * Cell - 1, QImage::Format_RGB32);
    image.fill(BoardGrid::LineColour);
    QPainter painter(&image);
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row)
            painter.fillRect(col * Cell, row * Cell, Cell - 1, Cell - 1, BoardGrid::BoardColour);
    return image;
}

void drawPiece(QPainter& painter, const Pictures& pictures, int col, int row, int code)
{
    if (code > rules::Empty && code < int(pictures.size()))
        painter.drawPixmap(col * Cell, row * Cell, pictures[code]);
}

} // namespace

QImage board(const Pictures& pictures, const std::vector<QString>& rows)
{
    const int cols = rows.empty() ? 0 : int(rows.front().size());
    QImage image = emptyBoard(cols, int(rows.size()));
    QPainter painter(&image);
    for (int row = 0; row < int(rows.size()); ++row)
        for (int col = 0; col < cols && col < rows[row].size(); ++col)
            drawPiece(painter, pictures, col, row, codeOf(rows[row][col]));
    return image;
}

QImage change(const QImage& before, const QImage& after)
{
    QImage image(before.width() + ArrowWidth + after.width(), std::max(before.height(), after.height()),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, before);
    painter.drawImage(before.width() + ArrowWidth, 0, after);
    painter.setRenderHint(QPainter::Antialiasing);
    const double y = image.height() / 2.0;
    const double x0 = before.width() + 6;
    const double x1 = before.width() + ArrowWidth - 6;
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(x0, y), QPointF(x1 - 6, y));
    QPainterPath head;
    head.moveTo(x1, y);
    head.lineTo(x1 - 8, y - 6);
    head.lineTo(x1 - 8, y + 6);
    head.closeSubpath();
    painter.fillPath(head, Qt::black);
    return image;
}

QImage startingBoard(const Pictures& pictures, bool turned)
{
    rules::Board cells = rules::Position::newGame(rules::MinBoardSize, rules::Scoring::Points, true).board();
    const int centre = cells.size() / 2;
    if (turned)
        for (const rules::JewelCell& jewel : cells.jewelCells())
            cells.turnJewel(centre + jewel.dc, centre + jewel.dr);
    QImage image = emptyBoard(cells.size(), cells.size());
    QPainter painter(&image);
    for (int col = 0; col < cells.size(); ++col)
        for (int row = 0; row < cells.size(); ++row)
            drawPiece(painter, pictures, col, row, cells[col][row]);
    return image;
}

} // namespace ui::howto
