#include "bench/benchprogram.h"
#include "tests/support/controls.h"
#include "bench/ratio_summary.h"
#include "ui/extrkbar.h"
#include "ui/boardgrid.h"
#include <QBitmap>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <QtWidgets/qtestsupport_widgets.h>
#include <benchmark/benchmark.h>

// What the board's repaints cost on screen, beside what a bare Qt program pays for drawing the
// same pictures, so that every run shows the ratios. Each benchmark takes the board size as its
// argument; boards are full, every cell holding a piece, the window shown.

namespace {

// Every cell holds a piece, the seats' faces and jewels in turn.
rules::Position fullBoard(int n)
{
    rules::Board board;
    board.reset(n);
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            board[c][r] = rules::Code(1 + (c + r) % 8);
    return rules::Position(board, 1, {}, rules::Scoring::Points, false);
}

struct ShownBoard : BenchProgram {
    // occupied: every cell holds a piece; otherwise the fresh board of a new game.
    bool open(int n, bool occupied)
    {
        if (!dir.isValid())
            return false;
        rules::Settings settings;
        settings.boardSize = n;
        form->match().start(settings, 1,
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        if (occupied)
            form->animator().reset(fullBoard(n).board(), rules::Scoring::Points);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        form->repaintBoard();
        return true;
    }
};

#define OPEN_OR_SKIP(board, n, occupied)                                                                               \
    ShownBoard board;                                                                                                  \
    if (!board.open(n, occupied)) {                                                                                    \
        state.SkipWithError("the game window could not be shown");                                                     \
        return;                                                                                                        \
    }

// One paint of the whole board, every grid line and the piece of every cell (and the mark under
// the last one), as when the window is uncovered.
void BM_RepaintEveryCell(benchmark::State& state)
{
    OPEN_OR_SKIP(board, int(state.range(0)), true);
    for (auto _ : state)
        control<ui::BoardGrid>(*board.form, "Table")->repaint();
}

// The repaint after one captured face changed colour: what the cells show, then the paint of
// the one cell that changed.
void BM_RepaintCapture(benchmark::State& state)
{
    OPEN_OR_SKIP(board, int(state.range(0)), true);
    rules::Board cells = board.form->game().board();
    for (auto _ : state) {
        cells[1][2] = rules::Code(cells[1][2] == 1 ? 2 : 1);
        board.form->animator().reset(cells, rules::Scoring::Points);
        board.form->repaintBoard();
        QApplication::processEvents();
    }
}

// The repaint of a new game: every empty cell painted over, the twelve pieces drawn.
void BM_RepaintNewGame(benchmark::State& state)
{
    OPEN_OR_SKIP(board, int(state.range(0)), false);
    for (auto _ : state) {
        board.form->repaintWholeBoard();
        QApplication::processEvents();
    }
}

// A whole rotation of the jewels, without pauses, and the paint that shows its end; odd boards
// also redraw the cells the diagonal paths cross.
void BM_Rotation(benchmark::State& state)
{
    OPEN_OR_SKIP(board, int(state.range(0)), false);
    ui::MoveAnimator::pauseFactor = 0;
    rules::Outcome turn;
    turn.mover = 1;
    turn.next = 2;
    turn.jewelsTurned = true;
    for (auto _ : state) {
        board.form->animator().show(turn);
        QApplication::processEvents();
    }
    ui::MoveAnimator::pauseFactor = 1;
}

// One paint of the whole board widget, every cell holding a piece, in a window of 1400 × 1000
// where the board fills the room beside the side panel: what each frame of an animation costs.
void BM_PaintEnlarged(benchmark::State& state)
{
    OPEN_OR_SKIP(board, int(state.range(0)), true);
    board.form->resize(1400, 1000);
    QApplication::processEvents();
    state.counters["cell"] = control<ui::BoardGrid>(*board.form, "Table")->shownCell();
    for (auto _ : state)
        control<ui::BoardGrid>(*board.form, "Table")->repaint();
}

// The baseline: a bare Qt widget that paints the board the game window paints, in device
// pixels: the board colour, a grid line at the right and the bottom of every cell, and every
// cell's picture at the cell's interior, the larger pictures brought to that size once.
class BareBoard : public QWidget {
public:
    BareBoard(int n, int cell) : n_(n), cell_(cell), line_(std::max(1, cell / ui::BoardGrid::Cell))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(n * cell, n * cell);
        const int interior = cell - line_;
        const auto picture = [](const QString& folder, const char* name) {
            QPixmap piece(shippedAssets + folder + QLatin1String(name) + QStringLiteral(".bmp"));
            const QColor key = piece.toImage().pixelColor(0, piece.height() - 1);
            piece.setMask(piece.createMaskFromColor(key, Qt::MaskInColor));
            return piece;
        };
        for (const char* name : {"f_red", "f_blu", "f_grn", "f_blk", "koma_red", "koma_blu", "koma_grn", "koma_blk"}) {
            const QPixmap usual = picture(QStringLiteral("/img/"), name);
            const int side = int(std::lround(double(usual.width()) * interior / 24));
            pieces_.push_back(side == usual.width()
                                  ? usual
                                  : picture(QStringLiteral("/img/x4/"), name)
                                        .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ui::BoardGrid::BoardColour);
        const int interior = cell_ - line_;
        for (int i = 0; i < n_; ++i) {
            painter.fillRect(i * cell_ + interior, 0, line_, n_ * cell_, ui::BoardGrid::LineColour);
            painter.fillRect(0, i * cell_ + interior, n_ * cell_, line_, ui::BoardGrid::LineColour);
        }
        for (int c = 0; c < n_; ++c)
            for (int r = 0; r < n_; ++r)
                painter.drawPixmap(c * cell_, r * cell_, pieces_[std::size_t(c + r) % pieces_.size()]);
    }

private:
    int n_, cell_, line_;
    std::vector<QPixmap> pieces_;
};

// Arguments: the board's size and the cell's side in pixels.
void BM_BareQtBoard(benchmark::State& state)
{
    ensureApplication();
    BareBoard board(int(state.range(0)), int(state.range(1)));
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        state.SkipWithError("the bare board could not be shown");
        return;
    }
    for (auto _ : state)
        board.repaint();
}

BENCHMARK(BM_BareQtBoard)->Args({6, 25})->Args({26, 25})->Args({26, 37})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintEveryCell)->Arg(6)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintCapture)->Arg(6)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintNewGame)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintEnlarged)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Rotation)->Arg(7)->Arg(26)->Unit(benchmark::kMicrosecond);

const bool ratios = bench::addRatio("BM_RepaintEveryCell/26", "BM_BareQtBoard/26/25", 1.0) &&
                    bench::addRatio("BM_PaintEnlarged/26", "BM_BareQtBoard/26/37", 1.0) &&
                    bench::addRatio("BM_RepaintCapture/26", "BM_RepaintCapture/6", 1.5) &&
                    bench::addRatio("BM_RepaintCapture/26", "BM_RepaintEveryCell/26", 0.1);

} // namespace
