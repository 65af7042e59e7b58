#pragma once
#include <QAccessibleWidget>
#include <vector>

namespace ui {

class BoardGrid;

// The board as assistive technology reads it: a table of N × N cells, row by row, each named by
// its position and what it holds; the keyboard's cursor is the focused cell.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardGrid* grid);
    ~BoardTable() override;
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardGrid* grid() const;
    void forgetCells() const;
    mutable std::vector<QAccessible::Id> cells_; // row by row, made when first asked for
};

} // namespace ui
