#include "ui/boardgrid.h"
#include <QPainter>
#include <algorithm>
#include <cmath>

// The board on a screen whose cells are not the surface's 25 pixels: a larger window or a
// device pixel ratio above 1. The surface keeps its 25-pixel cells, so what the game draws and
// what the repaint knows of it stay the same; the screen copies every cell through one table
// of pixels, so that each cell comes out alike and every grid line is as wide as the next:
// one device pixel for every whole 25 of a cell.
namespace ui {

bool BoardGrid::unscaled() const
{
    return shownCell_ == Cell && ratio_ == 1.0;
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
    ratio_ = devicePixelRatioF();
    if (unscaled()) {
        screen_ = QImage();
        axis_.clear();
        setFixedSize(surface_.size());
        return;
    }
    const int c = shownCell_;
    const int board = n_ * c;
    const int line = shownLine();
    axis_.resize(std::size_t(board));
    // The interior's pixels spread over the shown interior; the last pixels are the grid line.
    for (int d = 0; d < board; ++d) {
        const int offset = d % c;
        axis_[std::size_t(d)] = d / c * Cell + (offset >= c - line ? Cell - 1 : offset * (Cell - 1) / (c - line));
    }
    const int logical = int(std::ceil(board / ratio_));
    setFixedSize(logical, logical);
    const int device = int(std::ceil(logical * ratio_));
    screen_ = QImage(device, device, QImage::Format_RGB32);
    screen_.fill(BoardColour);
    resample(surface_.rect());
    update();
}

// The device pixels of the whole cells that the surface's pixels reach.
QRect BoardGrid::shownOf(const QRect& grid) const
{
    const int c = shownCell_;
    const QPoint first(std::max(grid.left(), 0) / Cell, std::max(grid.top(), 0) / Cell);
    const QPoint last(std::min(grid.right() / Cell, n_ - 1), std::min(grid.bottom() / Cell, n_ - 1));
    return QRect(first * c, last * c + QPoint(c - 1, c - 1));
}

QRect BoardGrid::logicalOf(const QRect& device) const
{
    const double r = ratio_;
    return QRectF(device.x() / r, device.y() / r, device.width() / r, device.height() / r).toAlignedRect();
}

void BoardGrid::resample(const QRect& grid)
{
    const QRect device = shownOf(grid);
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(surface_.constScanLine(axis_[std::size_t(y)]));
        auto* to = reinterpret_cast<QRgb*>(screen_.scanLine(y));
        for (int x = device.left(); x <= device.right(); ++x)
            to[x] = from[axis_[std::size_t(x)]];
    }
}

QRect BoardGrid::onScreen(const QRect& grid)
{
    if (unscaled())
        return grid;
    resample(grid);
    return logicalOf(shownOf(grid));
}

QRect BoardGrid::cellRect(const QPoint& cell) const
{
    return logicalOf(QRect(cell * shownCell_, QSize(shownCell_, shownCell_)));
}

QPoint BoardGrid::cellAt(const QPoint& pixel) const
{
    const double r = unscaled() ? 1.0 : ratio_;
    return QPoint(int(pixel.x() * r) / shownCell_, int(pixel.y() * r) / shownCell_);
}

QPoint BoardGrid::surfacePixel(const QPoint& pixel) const
{
    if (unscaled())
        return pixel;
    const auto along = [this](double device) {
        if (device < 0)
            return -1;
        const auto d = std::size_t(device);
        return d < axis_.size() ? axis_[d] : n_ * Cell;
    };
    return QPoint(along(std::floor(pixel.x() * ratio_)), along(std::floor(pixel.y() * ratio_)));
}

void BoardGrid::paintScreen(QPainter& painter, const QRegion& region) const
{
    const double r = ratio_;
    for (const QRect& pixels : region)
        painter.drawImage(QRectF(pixels), screen_,
                          QRectF(pixels.x() * r, pixels.y() * r, pixels.width() * r, pixels.height() * r));
}

} // namespace ui
