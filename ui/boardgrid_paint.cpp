#include "ui/boardgrid.h"
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

// The board at the size shown: cells of shownCell device pixels, each a grid line of one device
// pixel for every whole 25 at its right and bottom and the interior before it, where the cell's
// pictures are drawn, brought to the interior's size. Everything is drawn in device pixels, so
// every cell comes out alike and every grid line as wide as the next.
namespace ui {

double BoardGrid::ratio() const
{
    return devicePixelRatioF();
}

int BoardGrid::shownLine() const
{
    return std::max(1, shownCell_ / Cell);
}

void BoardGrid::setShownCell(int devicePixels)
{
    shownCell_ = std::max(devicePixels, 2);
    fitToShownCell();
}

void BoardGrid::fitToShownCell()
{
    const int logical = int(std::ceil(n_ * shownCell_ / ratio()));
    setFixedSize(logical, logical);
    update();
}

QRect BoardGrid::logicalOf(const QRect& device) const
{
    const double r = ratio();
    return QRectF(device.x() / r, device.y() / r, device.width() / r, device.height() / r).toAlignedRect();
}

QRect BoardGrid::deviceOf(const QRect& logical) const
{
    const double r = ratio();
    return QRectF(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r).toAlignedRect();
}

QRect BoardGrid::cellRect(const QPoint& cell) const
{
    return logicalOf(QRect(cell * shownCell_, QSize(shownCell_, shownCell_)));
}

// The cell and whatever its pictures cover beyond it.
QRect BoardGrid::cellArea(const QPoint& cell) const
{
    const int side = std::max(shownCell_, pictures_.largestSide(interior()));
    return logicalOf(QRect(cell * shownCell_, QSize(side, side)));
}

QPoint BoardGrid::flightOrigin(const Flight& flight) const
{
    const auto along = [&](int from, int toward) {
        return (from * flight.steps + toward * flight.step) * shownCell_ / flight.steps;
    };
    return QPoint(along(flight.from.x(), flight.toward.x()), along(flight.from.y(), flight.toward.y()));
}

QRect BoardGrid::flightArea(const Flight& flight) const
{
    const int side = pictures_.largestSide(interior());
    return logicalOf(QRect(flightOrigin(flight), QSize(side, side)));
}

QPoint BoardGrid::cellAt(const QPoint& pixel) const
{
    const double r = ratio();
    return QPoint(int(pixel.x() * r) / shownCell_, int(pixel.y() * r) / shownCell_);
}

QPoint BoardGrid::boardPixel(const QPoint& pixel) const
{
    const int c = shownCell_;
    const auto along = [&](double logical) {
        const double device = std::floor(logical * ratio());
        if (device < 0)
            return -1;
        if (device >= n_ * c)
            return n_ * Cell;
        const int offset = int(device) % c;
        const int inside = offset >= interior() ? Cell - 1 : offset * (Cell - 1) / interior();
        return int(device) / c * Cell + inside;
    };
    return QPoint(along(pixel.x()), along(pixel.y()));
}

void BoardGrid::setColours(const QColor& board, const QColor& line)
{
    board_ = board;
    line_ = line;
    update();
}

void BoardGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.scale(1 / ratio(), 1 / ratio()); // device pixels from here on
    const QRect device = deviceOf(event->rect());
    paintLines(painter, device);
    paintCells(painter, device);
    for (const Flight& flight : flights_)
        paintPicture(painter, flightOrigin(flight), flight.image);
    paintAids(painter);
}

// The board colour, and over it the line at the right and the bottom of every cell.
void BoardGrid::paintLines(QPainter& painter, const QRect& device) const
{
    painter.fillRect(device, board_);
    const int c = shownCell_;
    const int line = shownLine();
    for (int i = 0; i < n_; ++i) {
        painter.fillRect(QRect(i * c + interior(), 0, line, n_ * c) & device, line_);
        painter.fillRect(QRect(0, i * c + interior(), n_ * c, line) & device, line_);
    }
}

// The pictures of the cells that reach into the device rectangle, column by column.
void BoardGrid::paintCells(QPainter& painter, const QRect& device)
{
    const int c = shownCell_;
    const int overhang = std::max(0, pictures_.largestSide(interior()) - c);
    const int col0 = std::max(0, (device.left() - overhang) / c);
    const int row0 = std::max(0, (device.top() - overhang) / c);
    const int col1 = std::min(n_ - 1, device.right() / c);
    const int row1 = std::min(n_ - 1, device.bottom() / c);
    for (int col = col0; col <= col1; ++col)
        for (int row = row0; row <= row1; ++row) {
            const Look& shown = look(col, row);
            const QPoint origin(col * c, row * c);
            if (shown.cursor)
                paintPicture(painter, origin, rules::CursorImage);
            if (shown.marked)
                paintPicture(painter, origin, rules::LastMoveImage);
            if (shown.code > rules::Empty)
                paintPicture(painter, origin, shown.code);
        }
}

void BoardGrid::paintPicture(QPainter& painter, const QPoint& origin, int image)
{
    const QPixmap& picture = pictures_.at(image, interior());
    if (!picture.isNull())
        painter.drawPixmap(origin, picture);
}

} // namespace ui
