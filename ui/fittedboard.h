#pragma once
#include <QWidget>

namespace ui {

class BoardCoordinates;
class BoardGrid;

// Holds a board grid at the largest whole cell that its room gives, never under 25 pixels,
// with the coordinates along it where there is room for them too: a board that follows the
// size of a window laid out by layouts.
class FittedBoard : public QWidget {
    Q_OBJECT
public:
    // Takes the board in as its child.
    explicit FittedBoard(BoardGrid& board, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();
    int smallest() const; // the board's side at 25 pixels a cell

    BoardGrid& board_;
    BoardCoordinates* coordinates_;
};

} // namespace ui
