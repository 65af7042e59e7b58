#include "ui/boardaccessible.h"
#include "ui/boardgrid.h"
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>

namespace ui {

const QColor BoardGrid::BoardColour(0x50, 0x60, 0x60);
const QColor BoardGrid::LineColour(0xC0, 0xC0, 0xC0);

namespace {

constexpr int DesignCells = 15;
constexpr std::size_t MaxSprites = 16;   // the board draws ten pictures
constexpr std::size_t MaxHeldRects = 16; // beyond it, the last grows to cover the rest

// Calls draw(first, last) for every longest run of indexes 0..count-1 for which holds(i).
template <class Holds, class Draw>
void forEachRun(int count, Holds&& holds, Draw&& draw)
{
    for (int i = 0; i < count; ++i) {
        if (!holds(i))
            continue;
        const int first = i;
        while (i + 1 < count && holds(i + 1))
            ++i;
        draw(first, i);
    }
}

} // namespace

BoardGrid::BoardGrid(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    stepper_.setInterval(StepMs);
    connect(&stepper_, &QTimer::timeout, this, &BoardGrid::stepTowardsPointer);
    setGridSize(DesignCells);
    BoardTable::install();
}

BoardGrid::~BoardGrid() = default;

void BoardGrid::setGridSize(int n)
{
    QImage grown(n * Cell, n * Cell, QImage::Format_RGB32);
    grown.fill(BoardColour);
    QPainter(&grown).drawImage(0, 0, surface_);
    surface_ = std::move(grown);
    n_ = n;
    shown_.assign(std::size_t(n * n), -1);
    contents_.assign(std::size_t(n * n), 0);
    linesStale_.assign(std::size_t(n * n), RightLine | LineBelow);
    anyLineStale_ = true;
    fitToShownCell();
    current_ = onBoard(current_);
}

void BoardGrid::fill(const QRect& pixels, QRgb colour)
{
    const QRect area = pixels & surface_.rect();
    if (area.isEmpty())
        return;
    uchar* bits = surface_.bits();
    const qsizetype bytesPerLine = surface_.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * bytesPerLine) + area.left(), area.width(), colour);
}

const Sprite& BoardGrid::spriteOf(const QPixmap& pixmap)
{
    const qint64 key = pixmap.cacheKey();
    for (const auto& [cached, sprite] : sprites_)
        if (cached == key)
            return sprite;
    if (sprites_.size() >= MaxSprites)
        sprites_.clear();
    return sprites_.emplace_back(key, Sprite(pixmap)).second;
}

// The pixels changed; those of overLines now cover grid lines.
void BoardGrid::changed(const QRect& pixels, const QRect& overLines)
{
    const QRect grid = pixels & rect();
    if (grid.isEmpty())
        return;
    forget(grid);
    markLinesStale(overLines & grid);
    push(grid);
}

// Cells whose interior the pixels (on the grid) reach. The pieces a repaint draws stay inside
// the interior, so the lines around a cell belong to no cell.
void BoardGrid::forget(const QRect& grid)
{
    for (int col = (grid.left() + 1) / Cell; col <= grid.right() / Cell; ++col)
        for (int row = (grid.top() + 1) / Cell; row <= grid.bottom() / Cell; ++row)
            shown_[index(col, row)] = -1;
}

// Cells whose grid line on the right or below the pixels (on the grid) reach.
void BoardGrid::markLinesStale(const QRect& grid)
{
    if (grid.isEmpty())
        return;
    for (int col = grid.left() / Cell; col <= grid.right() / Cell; ++col)
        for (int row = grid.top() / Cell; row <= grid.bottom() / Cell; ++row) {
            char& stale = linesStale_[index(col, row)];
            if (grid.right() >= col * Cell + Cell - 1)
                stale |= RightLine;
            if (grid.bottom() >= row * Cell + Cell - 1)
                stale |= LineBelow;
            anyLineStale_ = anyLineStale_ || stale != 0;
        }
}

// Pixels on the grid to the screen: at once, or at the end of the outermost batch.
void BoardGrid::push(const QRect& onGrid)
{
    const QRect grid = onScreen(onGrid);
    if (batches_ == 0)
        repaint(grid);
    else if (held_.size() < MaxHeldRects)
        held_.push_back(grid);
    else
        held_.back() |= grid;
}

void BoardGrid::forgetAll()
{
    std::fill(shown_.begin(), shown_.end(), -1);
    std::fill(linesStale_.begin(), linesStale_.end(), RightLine | LineBelow);
    anyLineStale_ = true;
}

void BoardGrid::drawPixmap(int x, int y, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    if (pixmap.width() >= Cell || pixmap.height() >= Cell)
        oversized_ = true;
    const Sprite& sprite = spriteOf(pixmap);
    if (sprite.isNull())
        QPainter(&surface_).drawPixmap(x, y, pixmap);
    else
        sprite.drawOnto(surface_, x, y);
    const QRect area(QPoint(x, y), pixmap.size());
    changed(area, area);
}

void BoardGrid::paintOver(int col0, int row0, int col1, int row1)
{
    // One pixel left of and above the block, through the grid line right of and below it.
    const QRect outline(QPoint(col0 * Cell - 1, row0 * Cell - 1),
                        QPoint(col1 * Cell + Cell - 1, row1 * Cell + Cell - 1));
    const QRect inside = outline.adjusted(1, 1, -1, -1);
    fill(outline, LineColour.rgb());
    fill(inside, BoardColour.rgb());
    changed(outline, inside); // the outline lies on grid lines, in their colour
}

void BoardGrid::drawGridLines()
{
    if (!anyLineStale_ && !oversized_)
        return;
    anyLineStale_ = false;
    const auto stale = [this](int col, int row, char line) {
        return oversized_ || (linesStale_[index(col, row)] & line) != 0;
    };
    const auto draw = [this](const QRect& line) {
        fill(line, LineColour.rgb());
        push(line);
    };
    // Each run of stale cells along a column, then along a row, gets one stretch of line.
    for (int col = 0; col < n_; ++col)
        forEachRun(
            n_, [&](int row) { return stale(col, row, RightLine); },
            [&](int first, int last) {
                draw(QRect(col * Cell + Cell - 1, first * Cell, 1, (last - first + 1) * Cell));
            });
    for (int row = 0; row < n_; ++row)
        forEachRun(
            n_, [&](int col) { return stale(col, row, LineBelow); },
            [&](int first, int last) {
                draw(QRect(first * Cell, row * Cell + Cell - 1, (last - first + 1) * Cell, 1));
            });
    std::fill(linesStale_.begin(), linesStale_.end(), 0);
}

BoardGrid::Batch::Batch(BoardGrid& grid) : grid_(grid)
{
    ++grid_.batches_;
}

BoardGrid::Batch::~Batch()
{
    if (--grid_.batches_ > 0)
        return;
    QRegion changed;
    for (const QRect& pixels : grid_.held_)
        changed += pixels;
    grid_.held_.clear();
    if (!changed.isEmpty())
        grid_.repaint(changed);
}

void BoardGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (unscaled())
        for (const QRect& pixels : event->region())
            painter.drawImage(pixels, surface_, pixels);
    else
        paintScreen(painter, event->region());
    paintAids(painter);
}

void BoardGrid::showEvent(QShowEvent* event)
{
    // Whatever was drawn while hidden never showed: start from a clean board.
    surface_.fill(BoardColour);
    fitToShownCell(); // the screen it is shown on may have another pixel ratio
    forgetAll();
    emit surfaceCleared();
    QWidget::showEvent(event);
}

} // namespace ui
