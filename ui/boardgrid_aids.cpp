#include "ui/boardgrid.h"
#include <QPainter>
#include <QPolygonF>
#include <utility>

// What the board draws over its surface to help the player: the cells where a face may go, a
// hint and the keyboard's cursor. Drawn at each paint, on screen only, so the surface and
// what the repaint knows of it stay as the game drew them.
namespace ui {

namespace {

// Square-cornered and smaller than any piece, so no mark passes for a face or a jewel; a dark
// rim keeps the light fill clear on every seat's colour.
const QColor MarkFill(255, 255, 255);
const QColor HintFill(255, 236, 64);
const QColor Rim(0, 0, 0);
// Neither the hover picture's gold nor the last-move ring's orange.
const QColor CursorColour(0, 230, 255);
constexpr int MarkRadius = 4;
constexpr int HintRadius = 9;

QPolygonF diamond(const QPointF& centre, double radius)
{
    return QPolygonF({centre + QPointF(0, -radius), centre + QPointF(radius, 0), centre + QPointF(0, radius),
                      centre + QPointF(-radius, 0)});
}

} // namespace

void BoardGrid::setMarks(std::vector<QPoint> cells)
{
    if (cells == marks_)
        return;
    marks_ = std::move(cells);
    repaint(); // before a placement's animation holds the thread
}

void BoardGrid::setHint(std::optional<QPoint> cell)
{
    if (cell == hint_)
        return;
    if (hint_)
        repaint(cellRect(*hint_));
    hint_ = cell;
    if (hint_)
        repaint(cellRect(*hint_));
}

void BoardGrid::moveCursor(const QPoint& cell)
{
    update(cellRect(current_));
    current_ = cell;
    cursorShown_ = true;
    update(cellRect(current_));
}

void BoardGrid::paintAids(QPainter& painter) const
{
    if (marks_.empty() && !hint_ && !cursorShown())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const auto centre = [](const QPoint& cell) { return QPointF(cell * Cell) + QPointF(12, 12); };
    painter.setPen(QPen(Rim, 1));
    painter.setBrush(MarkFill);
    for (const QPoint& cell : marks_)
        painter.drawPolygon(diamond(centre(cell), MarkRadius));
    if (hint_) {
        painter.setPen(QPen(Rim, 2));
        painter.setBrush(HintFill);
        painter.drawPolygon(diamond(centre(*hint_), HintRadius));
    }
    if (cursorShown()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        const QRect interior(current_ * Cell, QSize(Cell - 1, Cell - 1));
        painter.setPen(QPen(CursorColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(interior).adjusted(1, 1, -1, -1));
        painter.setPen(QPen(Rim, 1));
        painter.drawRect(interior.adjusted(2, 2, -3, -3));
    }
}

} // namespace ui
