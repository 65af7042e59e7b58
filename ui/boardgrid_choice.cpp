#include "ui/boardgrid.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

// How the grid chooses cells: the left button, a drag with its stepping outside the grid, and
// Enter or Space on the current cell, which the other keys move without choosing.
namespace ui {

namespace {

// -1, 0 or +1: which side of 0..limit-1 the value lies beyond.
int beyond(int value, int limit)
{
    return value < 0 ? -1 : (value >= limit ? 1 : 0);
}

} // namespace

void BoardGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endDrag();
    QWidget::changeEvent(event);
}

QPoint BoardGrid::onBoard(QPoint cell) const
{
    return QPoint(std::clamp(cell.x(), 0, n_ - 1), std::clamp(cell.y(), 0, n_ - 1));
}

void BoardGrid::choose(const QPoint& cell)
{
    current_ = cell;
    emit cellChosen(cell.x(), cell.y());
}

void BoardGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    if (std::exchange(cursorShown_, false))
        update(cellRect(current_)); // the pointer plays now; the keyboard's cursor waits for a key
    const QPoint pixel = event->position().toPoint();
    if (!rect().contains(pixel))
        return;
    dragging_ = true;
    choose(onBoard(cellAt(pixel)));
}

void BoardGrid::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click chooses nothing and starts no drag.
}

void BoardGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        follow(pixel);
    // A choice above may have ended the turn and disabled the board.
    if (!isEnabled())
        return;
    const QPoint at = boardPixel(pixel);
    emit pointerMoved(at.x(), at.y());
}

void BoardGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        endDrag();
}

void BoardGrid::follow(const QPoint& pixel)
{
    pointer_ = pixel;
    if (!rect().contains(pixel)) {
        if (!stepper_.isActive())
            stepper_.start();
        return;
    }
    stepper_.stop();
    const QPoint cell = onBoard(cellAt(pixel));
    if (cell != current_)
        choose(cell);
}

void BoardGrid::stepTowardsPointer()
{
    const QPoint step(beyond(pointer_.x(), width()), beyond(pointer_.y(), height()));
    const QPoint next = onBoard(current_ + step);
    if (next != current_)
        choose(next);
}

void BoardGrid::endDrag()
{
    dragging_ = false;
    stepper_.stop();
}

void BoardGrid::keyPressEvent(QKeyEvent* event)
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
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: choose(current_); return;
    default: QWidget::keyPressEvent(event); return;
    }
    moveCursor(onBoard(next));
}

} // namespace ui
