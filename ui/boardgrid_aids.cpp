#include "ui/boardgrid.h"
#include <QAccessible>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <utility>

// What the board draws over its cells to help the player: the cells where a face may go, a
// hint and the keyboard's cursor. Drawn at each paint over what the cells show, never in it.
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
    update();
}

void BoardGrid::setHint(std::optional<QPoint> cell)
{
    if (cell == hint_)
        return;
    const std::optional<QPoint> old = std::exchange(hint_, cell);
    if (old)
        update(cellRect(*old));
    if (hint_)
        update(cellRect(*hint_));
}

void BoardGrid::moveCursor(const QPoint& cell)
{
    update(cellRect(current_));
    current_ = cell;
    cursorShown_ = true;
    update(cellRect(current_));
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(cell.y() * n_ + cell.x());
    QAccessible::updateAccessibility(&focused);
}

void BoardGrid::paintAids(QPainter& painter) const
{
    if (marks_.empty() && !hint_ && !cursorShown())
        return;
    // The painter draws in device pixels, so every line falls on whole pixels.
    const int c = shownCell_;
    const double k = double(c - shownLine()) / (Cell - 1);
    const auto width = [k](int design) { return std::max(double(design), std::round(design * k)); };
    painter.setRenderHint(QPainter::Antialiasing);
    const auto centre = [c, k](const QPoint& cell) { return QPointF(cell * c) + QPointF(12, 12) * k; };
    painter.setPen(QPen(Rim, width(1)));
    painter.setBrush(MarkFill);
    for (const QPoint& cell : marks_)
        painter.drawPolygon(diamond(centre(cell), MarkRadius * k));
    if (hint_) {
        painter.setPen(QPen(Rim, width(2)));
        painter.setBrush(HintFill);
        painter.drawPolygon(diamond(centre(*hint_), HintRadius * k));
    }
    if (cursorShown())
        paintCursor(painter, width(2), width(1));
}

// A ring of the cursor's colour inside the cell's interior, and a dark one inside it.
void BoardGrid::paintCursor(QPainter& painter, double ring, double rim) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const int side = shownCell_ - shownLine();
    const QRect interior(current_ * shownCell_, QSize(side, side));
    painter.setPen(QPen(CursorColour, ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double half = ring / 2;
    painter.drawRect(QRectF(interior).adjusted(half, half, -half, -half));
    painter.setPen(QPen(Rim, rim));
    const int inset = int(ring);
    painter.drawRect(interior.adjusted(inset, inset, -inset - int(rim), -inset - int(rim)));
}

} // namespace ui
