#pragma once
#include "rules/cell.h"
#include "ui/boardpictures.h"
#include "ui/shownpictures.h"
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace ui {

// The board grid: N × N cells, each 25 pixels at the smallest. It holds what every cell shows
// and paints that at each paint at the size the cells take on screen, every picture brought to
// that size once, so each cell is as sharp as the next at any scale. Changes show at the next
// paint. It reports the cells the user chooses and the pointer's moves; it never edits the game.
// Aids for the player lie over the cells: the marks of the cells where a face may go, a hint,
// and the keyboard's cursor once a key has moved it.
class BoardGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Cell = 25;  // a 24-pixel interior and a 1-pixel grid line
    static const QColor BoardColour; // the colours a grid starts with
    static const QColor LineColour;
    static constexpr int StepMs = 60; // pace of the choices while a drag is outside the grid

    // What a cell shows, bottom to top: the hover cursor, the last-move mark, a piece (0 none).
    struct Look {
        int code = rules::Empty;
        bool marked = false;
        bool cursor = false;
        bool operator==(const Look&) const = default;
    };

    explicit BoardGrid(QWidget* parent = nullptr);
    ~BoardGrid() override;

    int gridSize() const { return n_; }
    // Keeps what the cells that stay on the new grid show; the current cell moves onto the new
    // board without being chosen.
    void setGridSize(int n);
    QPoint currentCell() const { return current_; }
    bool cursorShown() const { return cursorShown_ && isEnabled(); }

    // The pictures by image index (BoardImages), read at each paint, so they must outlive the
    // grid; larger ones, where loaded, give an enlarged board its detail.
    void setPictures(const BoardImages* images, const BoardImages* larger);

    const Look& look(int col, int row) const { return looks_[index(col, row)]; }
    // col and row lie on the board.
    void setLook(int col, int row, const Look& look);
    // Draws an image on a cell over what it shows; the opaque cursor hides all that. Images
    // are indexed as BoardImages; off the board nothing happens.
    void Put(int col, int row, int image);
    // The cell shows nothing; off the board nothing happens.
    void Del(int col, int row);
    // Del over every cell of the block that lies on the board.
    void paintOver(int col0, int row0, int col1, int row1);
    // Shows the image over the cells, step of steps of the way from cell (col, row) to its
    // neighbour toward `toward` (each -1, 0 or +1), in place of what that cell sent before.
    void PutOnTheWay(int col, int row, QPoint toward, int step, int steps, int image);
    // The pictures on their way go: the cells show alone.
    void settle();

    // The colour under the cells and of the grid lines.
    void setColours(const QColor& board, const QColor& line);
    QColor boardColour() const { return board_; }

    void setMarks(std::vector<QPoint> cells);
    const std::vector<QPoint>& marks() const { return marks_; }
    void setHint(std::optional<QPoint> cell);
    std::optional<QPoint> hint() const { return hint_; }

    // Device pixels a cell takes on screen.
    int shownCell() const { return shownCell_; }
    void setShownCell(int devicePixels);
    // Device pixels of a grid line on screen: one for every whole 25 of a cell.
    int shownLine() const;
    // What assistive technology hears of a cell's contents: a change renames the cell.
    void setContents(int col, int row, int contents);
    // What assistive technology reads for a cell: what describeCell says of it, else its position.
    std::function<QString(int col, int row)> describeCell;
    QString cellName(int col, int row) const;
    QRect cellOnScreen(const QPoint& cell) const { return cellRect(cell); }
    // The pixel of a board of 25-pixel cells that a pixel of the widget shows: the cell's
    // interior spread over the shown interior, its grid line onto the line.
    QPoint boardPixel(const QPoint& pixel) const;

signals:
    void cellChosen(int col, int row);
    void pointerMoved(int x, int y); // boardPixel of the pointer, while the board is enabled
    void cleared();                  // shown again: every cell shows nothing until drawn again

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A picture part of the way from one cell to the next.
    struct Flight {
        QPoint from;
        QPoint toward;
        int step = 0;
        int steps = 1;
        int image = 0;
    };

    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < n_ && row < n_; }
    std::size_t index(int col, int row) const { return std::size_t(col * n_ + row); }
    double ratio() const;
    int interior() const { return shownCell_ - shownLine(); }
    QRect cellRect(const QPoint& cell) const;
    QRect cellArea(const QPoint& cell) const;
    QRect logicalOf(const QRect& device) const;
    QRect deviceOf(const QRect& logical) const;
    QPoint flightOrigin(const Flight& flight) const;
    QRect flightArea(const Flight& flight) const;
    void fitToShownCell();
    void paintLines(QPainter& painter, const QRect& device) const;
    void paintCells(QPainter& painter, const QRect& device);
    void paintPicture(QPainter& painter, const QPoint& origin, int image);
    void paintAids(QPainter& painter) const;
    void paintCursor(QPainter& painter, double ring, double rim) const;
    void moveCursor(const QPoint& cell);
    QPoint cellAt(const QPoint& pixel) const;
    QPoint onBoard(QPoint cell) const;
    void choose(const QPoint& cell);
    void follow(const QPoint& pixel);
    void stepTowardsPointer();
    void endDrag();

    int n_ = 0;
    std::vector<Look> looks_; // by index()
    std::vector<Flight> flights_;
    ShownPictures pictures_;
    QPoint current_{0, 0};
    bool cursorShown_ = false;
    std::vector<QPoint> marks_;
    std::optional<QPoint> hint_;
    bool dragging_ = false;
    QPoint pointer_;
    QTimer stepper_;
    int shownCell_ = Cell;
    QColor board_ = BoardColour;
    QColor line_ = LineColour;
    std::vector<int> contents_;
};

} // namespace ui
