#pragma once
#include "rules/cell.h"
#include "ui/sprite.h"
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QRegion;

namespace ui {

// The board grid: N × N cells of 25 pixels, drawn on a retained surface that paintEvent only
// copies to the screen. Every drawing call reaches the screen at once (a repaint, not an
// update), so that animation frames show before the game pauses the thread. It reports the
// cells the user chooses and the pointer's moves; it never edits the game itself.
// Aids for the player lie over the surface on screen, never in it: the marks of the cells
// where a face may go, a hint, and the keyboard's cursor once a key has moved it.
class BoardGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Cell = 25; // a 24-pixel interior and a 1-pixel grid line
    static const QColor BoardColour;
    static const QColor LineColour;
    static constexpr int StepMs = 60; // pace of the choices while a drag is outside the grid

    explicit BoardGrid(QWidget* parent = nullptr);
    ~BoardGrid() override;

    int gridSize() const { return n_; }
    // Keeps the pixels that still lie on the new grid; the current cell moves onto the new
    // board without being chosen.
    void setGridSize(int n);
    QPoint currentCell() const { return current_; }
    bool cursorShown() const { return cursorShown_ && isEnabled(); }

    void setMarks(std::vector<QPoint> cells);
    const std::vector<QPoint>& marks() const { return marks_; }
    void setHint(std::optional<QPoint> cell);
    std::optional<QPoint> hint() const { return hint_; }
    const QImage& surface() const { return surface_; }

    // Device pixels a cell takes on screen; the surface keeps its 25. Cells of 25 at a device
    // pixel ratio of 1 show the surface pixel for pixel.
    int shownCell() const { return shownCell_; }
    void setShownCell(int devicePixels);
    // Device pixels of a grid line on screen: one for every whole 25 of a cell.
    int shownLine() const;
    bool unscaled() const;
    // What the screen shows while it is scaled, in device pixels.
    const QImage& screen() const { return screen_; }
    // A finer picture of what a repaint draws under a key: an enlarged board shows it, smoothly
    // brought to the size of a cell's interior, wherever a cell shows that key, in place of the
    // surface's 24 pixels copied larger. Opaque, square, larger than a cell.
    void setDetail(int key, const QImage& picture);
    // What assistive technology hears of a cell's contents: a change renames the cell.
    void setContents(int col, int row, int contents);
    // What assistive technology reads for a cell: what describeCell says of it, else its position.
    std::function<QString(int col, int row)> describeCell;
    QString cellName(int col, int row) const { return describeCell ? describeCell(col, row) : position(col, row); }
    static QString position(int col, int row) { return columnLetter(col) + QString::number(row + 1); }
    static QString columnLetter(int col) { return QString(QChar(u'A' + col)); }
    QRect cellOnScreen(const QPoint& cell) const { return cellRect(cell); }
    // The surface's pixel that a pixel of the widget shows; off the board lies off the surface.
    QPoint surfacePixel(const QPoint& pixel) const;

    // Draws the pixmap at its own size, its alpha left out; a null pixmap draws nothing.
    void drawPixmap(int x, int y, const QPixmap& pixmap);
    // Cells col0..col1 × row0..row1 become board colour inside one 1-pixel line-coloured
    // outline that covers their surrounding grid lines; what lies off the grid is not drawn.
    void paintOver(int col0, int row0, int col1, int row1);
    // Draws the grid lines again where something has been drawn over them since.
    void drawGridLines();

    // What the grid's repaint last drew in a cell (a key of the caller's), or -1 when that is
    // unknown or something has drawn over the cell since. Drawing a piece again over itself
    // changes no pixel, so a repaint may pass over a cell that still shows what it would draw.
    // Once a picture larger than a cell's interior has been drawn, every cell stays unknown:
    // its overhang would lie on grid lines and neighbours.
    int shown(int col, int row) const { return oversized_ ? -1 : shown_[index(col, row)]; }
    void setShown(int col, int row, int key);
    // Whether each cell of the column shows keys[row]; keys holds at least a column's cells.
    template <class Keys>
    bool showsColumn(int col, const Keys& keys) const
    {
        return !oversized_ && std::equal(shown_.begin() + std::ptrdiff_t(index(col, 0)),
                                         shown_.begin() + std::ptrdiff_t(index(col, n_)), std::begin(keys));
    }
    // Every cell unknown and every grid line stale: the next repaint draws the whole board.
    void forgetAll();

    // Holds back what its lifetime draws from the screen and shows it all at its end, as the
    // rectangles that changed.
    class Batch {
    public:
        explicit Batch(BoardGrid& grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        BoardGrid& grid_;
    };

signals:
    void cellChosen(int col, int row);
    void pointerMoved(int x, int y); // pixel of the grid, while the board is enabled
    void surfaceCleared();           // shown again: the surface is plain board colour

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
    QRect cellRect(const QPoint& cell) const;
    void fitToShownCell();
    QRect shownOf(const QRect& grid) const;
    QRect logicalOf(const QRect& device) const;
    void resample(const QRect& grid);
    void drawDetails(const QRect& device);
    const QImage* detailOf(int key);
    QRect onScreen(const QRect& grid);
    void paintScreen(QPainter& painter, const QRegion& region) const;
    void paintAids(QPainter& painter) const;
    void paintCursor(QPainter& painter, double ring, double rim) const;
    void moveCursor(const QPoint& cell);
    std::size_t index(int col, int row) const { return std::size_t(col * n_ + row); }
    void fill(const QRect& pixels, QRgb colour);
    const Sprite& spriteOf(const QPixmap& pixmap);
    void changed(const QRect& pixels, const QRect& overLines);
    void forget(const QRect& grid);
    void markLinesStale(const QRect& grid);
    void push(const QRect& grid);
    QPoint cellAt(const QPoint& pixel) const;
    QPoint onBoard(QPoint cell) const;
    void choose(const QPoint& cell);
    void follow(const QPoint& pixel);
    void stepTowardsPointer();
    void endDrag();

    int n_ = 0;
    QImage surface_;
    std::vector<int> shown_;
    // Per cell: which of its grid lines, on the right and below, were drawn over.
    static constexpr char RightLine = 1;
    static constexpr char LineBelow = 2;
    std::vector<char> linesStale_;
    bool anyLineStale_ = true;
    bool oversized_ = false;
    std::vector<std::pair<qint64, Sprite>> sprites_; // by pixmap cache key
    int batches_ = 0;
    std::vector<QRect> held_; // what batches hold back from the screen
    QPoint current_{0, 0};
    bool cursorShown_ = false;
    std::vector<QPoint> marks_;
    std::optional<QPoint> hint_;
    bool dragging_ = false;
    QPoint pointer_;
    QTimer stepper_;
    int shownCell_ = Cell;
    double ratio_ = 1.0;    // the device pixel ratio the screen was made for
    std::vector<int> axis_; // per device pixel of the board, along either side: the surface's pixel
    QImage screen_;
    std::vector<QImage> details_;      // by key
    std::vector<QImage> shownDetails_; // by key, at the interior's size on the screen
    std::vector<int> contents_;
};

} // namespace ui
