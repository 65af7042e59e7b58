#include "ui/boardaccessible.h"
#include "ui/boardgrid.h"
#include <algorithm>

// What each cell of the board shows, and the pictures on their way between cells.
namespace ui {

const QColor BoardGrid::BoardColour(0x50, 0x60, 0x60);
const QColor BoardGrid::LineColour(0xC0, 0xC0, 0xC0);

namespace {

constexpr int DesignCells = 15;

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
    std::vector<Look> kept(std::size_t(n * n));
    for (int col = 0; col < std::min(n, n_); ++col)
        std::copy_n(looks_.begin() + std::ptrdiff_t(index(col, 0)), std::min(n, n_),
                    kept.begin() + std::ptrdiff_t(col * n));
    looks_ = std::move(kept);
    n_ = n;
    flights_.clear();
    contents_.assign(std::size_t(n * n), 0);
    fitToShownCell();
    current_ = onBoard(current_);
}

void BoardGrid::setPictures(const BoardImages* images, const BoardImages* larger)
{
    pictures_.setSources(images, larger);
    update();
}

void BoardGrid::setLook(int col, int row, const Look& look)
{
    Look& shown = looks_[index(col, row)];
    if (shown == look)
        return;
    shown = look;
    update(cellArea(QPoint(col, row)));
}

void BoardGrid::Put(int col, int row, int image)
{
    if (!contains(col, row) || image < rules::CursorImage || image > rules::LastMoveImage)
        return;
    Look look = this->look(col, row);
    if (image == rules::CursorImage)
        look = Look{rules::Empty, false, true};
    else if (image == rules::LastMoveImage)
        look.marked = true;
    else
        look.code = image;
    setLook(col, row, look);
}

void BoardGrid::Del(int col, int row)
{
    if (contains(col, row))
        setLook(col, row, Look{});
}

void BoardGrid::paintOver(int col0, int row0, int col1, int row1)
{
    for (int col = col0; col <= col1; ++col)
        for (int row = row0; row <= row1; ++row)
            Del(col, row);
}

void BoardGrid::PutOnTheWay(int col, int row, QPoint toward, int step, int steps, int image)
{
    const Flight flight{QPoint(col, row), toward, step, std::max(steps, 1), image};
    const auto sent =
        std::find_if(flights_.begin(), flights_.end(), [&](const Flight& f) { return f.from == flight.from; });
    if (sent != flights_.end()) {
        update(flightArea(*sent));
        *sent = flight;
    } else {
        flights_.push_back(flight);
    }
    update(flightArea(flight));
}

void BoardGrid::settle()
{
    for (const Flight& flight : flights_)
        update(flightArea(flight));
    flights_.clear();
}

void BoardGrid::showEvent(QShowEvent* event)
{
    // Whatever was drawn while hidden never showed: start from a clean board.
    std::fill(looks_.begin(), looks_.end(), Look{});
    flights_.clear();
    fitToShownCell(); // the screen it is shown on may have another pixel ratio
    emit cleared();
    QWidget::showEvent(event);
}

} // namespace ui
