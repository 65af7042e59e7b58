#include "ui/boardaccessible.h"
#include "rules/notation.h"
#include "ui/boardgrid.h"
#include <QPointer>
#include <algorithm>

namespace ui {

namespace {

// One cell of the board; the table makes it once and keeps it while the board's size stays.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    bool isValid() const override { return grid_ && col_ < grid_->gridSize() && row_ < grid_->gridSize(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? grid_->cellName(col_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = grid_->cellOnScreen(QPoint(col_, row_));
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = isValid() && grid_->hasFocus() && grid_->currentCell() == QPoint(col_, row_);
        s.disabled = !isValid() || !grid_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardGrid> grid_;
    int col_;
    int row_;
};

QAccessibleInterface* boardFactory(const QString&, QObject* object)
{
    auto* grid = qobject_cast<BoardGrid*>(object);
    return grid ? new BoardTable(grid) : nullptr;
}

} // namespace

BoardTable::BoardTable(BoardGrid* grid) : QAccessibleWidget(grid, QAccessible::Table)
{
}

BoardTable::~BoardTable()
{
    forgetCells();
}

void BoardTable::install()
{
    static const bool installed = (QAccessible::installFactory(boardFactory), true);
    Q_UNUSED(installed);
}

BoardGrid* BoardTable::grid() const
{
    return static_cast<BoardGrid*>(widget());
}

void BoardTable::forgetCells() const
{
    for (QAccessible::Id id : cells_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

int BoardTable::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* BoardTable::child(int index) const
{
    const int n = grid()->gridSize();
    if (index < 0 || index >= n * n)
        return nullptr;
    if (cells_.size() != std::size_t(n * n)) {
        forgetCells();
        cells_.assign(std::size_t(n * n), 0);
    }
    QAccessible::Id& id = cells_[std::size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new BoardCell(grid(), index % n, index / n));
    return QAccessible::accessibleInterface(id);
}

int BoardTable::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    const auto found = std::find(cells_.begin(), cells_.end(), id);
    return found == cells_.end() ? -1 : int(found - cells_.begin());
}

QAccessibleInterface* BoardTable::focusChild() const
{
    const QPoint cell = grid()->currentCell();
    return grid()->hasFocus() ? cellAt(cell.y(), cell.x()) : nullptr;
}

void* BoardTable::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardTable::cellAt(int row, int column) const
{
    const int n = grid()->gridSize();
    return row >= 0 && row < n && column >= 0 && column < n ? child(row * n + column) : nullptr;
}

int BoardTable::columnCount() const
{
    return grid()->gridSize();
}

int BoardTable::rowCount() const
{
    return grid()->gridSize();
}

QString BoardTable::columnDescription(int column) const
{
    return rules::columnLetter(column);
}

QString BoardTable::rowDescription(int row) const
{
    return rules::rowNumber(row);
}

QString BoardGrid::cellName(int col, int row) const
{
    return describeCell ? describeCell(col, row) : rules::cellName(col, row);
}

void BoardGrid::setContents(int col, int row, int contents)
{
    int& known = contents_[index(col, row)];
    if (known == contents)
        return;
    known = contents;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    renamed.setChild(row * n_ + col);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace ui
