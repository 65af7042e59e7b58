#pragma once
#include "rules/cell.h"
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QPainter;

namespace ui {

// The board grid: N × N cells of 25 pixels, drawn on a retained surface that paintEvent only
// copies to the screen. Every drawing call reaches the screen at once (a repaint, not an
// update), so that animation frames show before the game pauses the thread. It reports the
// cells the user chooses and the pointer's moves; it never edits the game itself.
class Table : public QWidget {
    Q_OBJECT
public:
    static constexpr int Cell = rules::CellPixels;
    static const QColor BoardColour;
    static const QColor LineColour;
    static constexpr int StepMs = 60; // pace of the choices while a drag is outside the grid

    explicit Table(QWidget* parent = nullptr);
    ~Table() override;

    int gridSize() const { return n_; }
    // Keeps the pixels that still lie on the new grid; the current cell moves onto the new
    // board without being chosen.
    void setGridSize(int n);
    QPoint currentCell() const { return current_; }
    const QImage& surface() const { return surface_; }

    // Draws the pixmap at its own size, its alpha left out; a null pixmap draws nothing.
    void drawPixmap(int x, int y, const QPixmap& pixmap);
    // Cells col0..col1 × row0..row1 become board colour inside one 1-pixel line-coloured
    // outline that covers their surrounding grid lines; what lies off the grid is not drawn.
    void paintOver(int col0, int row0, int col1, int row1);
    void drawGridLines();

    // What the grid's repaint last drew in a cell (a key of the caller's), or -1 when that is
    // unknown or something has drawn over the cell since. Drawing a piece again over itself
    // changes no pixel, so a repaint may pass over a cell that still shows what it would draw.
    int shown(int col, int row) const { return shown_[std::size_t(col * n_ + row)]; }
    void setShown(int col, int row, int key) { shown_[std::size_t(col * n_ + row)] = key; }

    // Gathers every drawing call of its lifetime into one repaint at its end.
    class Batch {
    public:
        explicit Batch(Table& table);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Table& table_;
        bool outermost_;
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
    // Grid lines lie outside every cell's interior: drawing them keeps what the cells show.
    enum class Keeps { Nothing, Cells };
    template <class Draw> void draw(const QRect& changed, Draw&& paint, Keeps keeps = Keeps::Nothing);
    void forget(const QRect& pixels);
    QPoint cellAt(const QPoint& pixel) const;
    QPoint onBoard(QPoint cell) const;
    void choose(const QPoint& cell);
    void follow(const QPoint& pixel);
    void stepTowardsPointer();
    void endDrag();

    int n_ = 0;
    QImage surface_;
    std::vector<int> shown_;
    std::unique_ptr<QPainter> batchPainter_;
    QRect batchDirty_;
    QPoint current_{0, 0};
    bool dragging_ = false;
    QPoint pointer_;
    QTimer stepper_;
};

} // namespace ui
