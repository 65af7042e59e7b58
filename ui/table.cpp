#include "ui/table.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

namespace ui {

const QColor Table::BoardColour(0x50, 0x60, 0x60);
const QColor Table::LineColour(0xC0, 0xC0, 0xC0);

namespace {

constexpr int DesignCells = 15;

// -1, 0 or +1: which side of 0..limit-1 the value lies beyond.
int beyond(int value, int limit) { return value < 0 ? -1 : (value >= limit ? 1 : 0); }

} // namespace

Table::Table(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    stepper_.setInterval(StepMs);
    connect(&stepper_, &QTimer::timeout, this, &Table::stepTowardsPointer);
    setGridSize(DesignCells);
}

Table::~Table() = default;

void Table::setGridSize(int n)
{
    QImage grown(n * Cell, n * Cell, QImage::Format_RGB32);
    grown.fill(BoardColour);
    QPainter(&grown).drawImage(0, 0, surface_);
    surface_ = std::move(grown);
    n_ = n;
    shown_.assign(std::size_t(n * n), -1);
    setFixedSize(surface_.size());
    current_ = onBoard(current_);
}

template <class Draw> void Table::draw(const QRect& changed, Draw&& paint, Keeps keeps)
{
    if (keeps == Keeps::Nothing)
        forget(changed);
    if (batchPainter_) {
        paint(*batchPainter_);
        batchDirty_ |= changed;
        return;
    }
    {
        QPainter painter(&surface_);
        paint(painter);
    }
    repaint(changed & rect());
}

void Table::forget(const QRect& pixels)
{
    const QRect grid = pixels & rect();
    if (grid.isEmpty())
        return;
    for (int col = grid.left() / Cell; col <= grid.right() / Cell; ++col)
        for (int row = grid.top() / Cell; row <= grid.bottom() / Cell; ++row)
            setShown(col, row, -1);
}

void Table::drawPixmap(int x, int y, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    draw(QRect(QPoint(x, y), pixmap.size()), [&](QPainter& p) { p.drawPixmap(x, y, pixmap); });
}

void Table::paintOver(int col0, int row0, int col1, int row1)
{
    // One pixel left of and above the block, through the grid line right of and below it.
    const QRect outline(QPoint(col0 * Cell - 1, row0 * Cell - 1), QPoint(col1 * Cell + Cell - 1, row1 * Cell + Cell - 1));
    draw(outline, [&](QPainter& p) {
        p.fillRect(outline, LineColour);
        p.fillRect(outline.adjusted(1, 1, -1, -1), BoardColour);
    });
}

void Table::drawGridLines()
{
    draw(rect(), [&](QPainter& p) {
        for (int i = 0; i < n_; ++i) {
            const int line = i * Cell + Cell - 1;
            p.fillRect(line, 0, 1, surface_.height(), LineColour);
            p.fillRect(0, line, surface_.width(), 1, LineColour);
        }
    }, Keeps::Cells);
}

Table::Batch::Batch(Table& table) : table_(table), outermost_(!table.batchPainter_)
{
    if (outermost_)
        table_.batchPainter_ = std::make_unique<QPainter>(&table_.surface_);
}

Table::Batch::~Batch()
{
    if (!outermost_)
        return;
    table_.batchPainter_.reset();
    const QRect dirty = table_.batchDirty_ & table_.rect();
    table_.batchDirty_ = QRect();
    table_.repaint(dirty);
}

void Table::paintEvent(QPaintEvent* event)
{
    QPainter(this).drawImage(event->rect(), surface_, event->rect());
}

void Table::showEvent(QShowEvent* event)
{
    // Whatever was drawn while hidden never showed: start from a clean board.
    surface_.fill(BoardColour);
    forget(rect());
    emit surfaceCleared();
    QWidget::showEvent(event);
}

void Table::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endDrag();
    QWidget::changeEvent(event);
}

QPoint Table::cellAt(const QPoint& pixel) const
{
    return QPoint(pixel.x() / Cell, pixel.y() / Cell);
}

QPoint Table::onBoard(QPoint cell) const
{
    return QPoint(std::clamp(cell.x(), 0, n_ - 1), std::clamp(cell.y(), 0, n_ - 1));
}

void Table::choose(const QPoint& cell)
{
    current_ = cell;
    emit cellChosen(cell.x(), cell.y());
}

void Table::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint pixel = event->position().toPoint();
    if (!rect().contains(pixel))
        return;
    dragging_ = true;
    choose(cellAt(pixel));
}

void Table::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click chooses nothing and starts no drag.
}

void Table::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        follow(pixel);
    // A choice above may have ended the turn and disabled the board.
    if (isEnabled())
        emit pointerMoved(pixel.x(), pixel.y());
}

void Table::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        endDrag();
}

void Table::follow(const QPoint& pixel)
{
    pointer_ = pixel;
    if (!rect().contains(pixel)) {
        if (!stepper_.isActive())
            stepper_.start();
        return;
    }
    stepper_.stop();
    const QPoint cell = cellAt(pixel);
    if (cell != current_)
        choose(cell);
}

void Table::stepTowardsPointer()
{
    const QPoint step(beyond(pointer_.x(), width()), beyond(pointer_.y(), height()));
    const QPoint next = onBoard(current_ + step);
    if (next != current_)
        choose(next);
}

void Table::endDrag()
{
    dragging_ = false;
    stepper_.stop();
}

void Table::keyPressEvent(QKeyEvent* event)
{
    QPoint next = current_;
    switch (event->key()) {
    case Qt::Key_Left: next.rx() -= 1; break;
    case Qt::Key_Right: next.rx() += 1; break;
    case Qt::Key_Up: next.ry() -= 1; break;
    case Qt::Key_Down: next.ry() += 1; break;
    case Qt::Key_Home: next.setX(0); break;
    case Qt::Key_End: next.setX(n_ - 1); break;
    // Every row is on screen, so a page reaches the edge.
    case Qt::Key_PageUp: next.setY(0); break;
    case Qt::Key_PageDown: next.setY(n_ - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    next = onBoard(next);
    if (next != current_)
        choose(next);
}

} // namespace ui
