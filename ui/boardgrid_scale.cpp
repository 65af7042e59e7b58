#include "ui/boardgrid.h"
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

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
    shownDetails_.clear();
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
    drawDetails(device);
}

void BoardGrid::setShown(int col, int row, int key)
{
    shown_[index(col, row)] = key;
    if (!unscaled() && detailOf(key))
        push(QRect(col * Cell, row * Cell, Cell - 1, Cell - 1));
}

void BoardGrid::setDetail(int key, const QImage& picture)
{
    if (key < 0 || picture.isNull())
        return;
    if (std::size_t(key) >= details_.size())
        details_.resize(std::size_t(key) + 1);
    details_[std::size_t(key)] = picture.convertToFormat(QImage::Format_RGB32);
    shownDetails_.clear();
}

const QImage* BoardGrid::detailOf(int key)
{
    if (key < 0 || std::size_t(key) >= details_.size() || details_[std::size_t(key)].isNull())
        return nullptr;
    if (shownDetails_.size() != details_.size())
        shownDetails_.assign(details_.size(), QImage());
    QImage& shown = shownDetails_[std::size_t(key)];
    if (shown.isNull()) {
        const int interior = shownCell_ - shownLine();
        shown = details_[std::size_t(key)].scaled(interior, interior, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return &shown;
}

// Whole cells of the device rectangle whose key has a finer picture get it over their interior.
void BoardGrid::drawDetails(const QRect& device)
{
    const int c = shownCell_;
    for (int col = device.left() / c; col <= device.right() / c; ++col)
        for (int row = device.top() / c; row <= device.bottom() / c; ++row) {
            const QImage* detail = detailOf(shown(col, row));
            if (!detail)
                continue;
            const auto bytes = std::size_t(detail->width()) * sizeof(QRgb);
            for (int y = 0; y < detail->height(); ++y)
                std::memcpy(screen_.scanLine(row * c + y) + std::size_t(col * c) * sizeof(QRgb),
                            detail->constScanLine(y), bytes);
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
