#include "tests/ui/screen_grab.h"
#include "ui/boardgrid.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QRegion>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using ui::BoardGrid;

namespace {

using Cells = std::vector<std::pair<int, int>>;

// A shown 6 × 6 board, enabled, that records every cell it chooses.
class BoardGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        table.setGridSize(6);
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        QObject::connect(&table, &BoardGrid::cellChosen, [this](int c, int r) { chosen.emplace_back(c, r); });
    }

    // QTest remembers held buttons across tests: let go of any drag left open.
    void TearDown() override
    {
        table.setEnabled(true);
        release();
    }

    static QPoint centreOf(int col, int row) { return QPoint(col * 25 + 12, row * 25 + 12); }
    void press(int col, int row) { QTest::mousePress(&table, Qt::LeftButton, {}, centreOf(col, row)); }
    void dragTo(QPoint pixel) { QTest::mouseMove(&table, pixel); }
    void release() { QTest::mouseRelease(&table, Qt::LeftButton, {}, QPoint(1, 1)); }

    // A picture with something in every pixel, so that any overpainting shows.
    void fillWithPattern()
    {
        QPixmap pattern(table.size());
        pattern.fill(QColor(200, 40, 40));
        table.drawPixmap(0, 0, pattern);
        table.drawGridLines();
    }

    BoardGrid table;
    Cells chosen;
};

QRgb rgb(const QColor& c) { return c.rgb(); }

} // namespace

// --- drawing -------------------------------------------------------------------------

class DelTest : public BoardGridTest, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(DelTest, PaintsExactlyTheCellAndItsFourLinesAndShowsAtOnce)
{
    const auto [col, row] = GetParam();
    fillWithPattern();
    const QImage before = grabOnScreen(table);
    table.paintOver(col, row, col, row);
    const QImage after = grabOnScreen(table); // no event processing: the repaint was immediate

    const QRect outline(col * 25 - 1, row * 25 - 1, 26, 26);
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QPoint p(x, y);
            if (!outline.contains(p)) {
                ASSERT_EQ(after.pixel(p), before.pixel(p)) << "outside the cell at " << x << "," << y;
                continue;
            }
            const bool edge = x == outline.left() || x == outline.right() || y == outline.top() || y == outline.bottom();
            ASSERT_EQ(after.pixel(p), rgb(edge ? BoardGrid::LineColour : BoardGrid::BoardColour)) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Cells, DelTest, testing::Values(std::pair{2, 3}, std::pair{0, 0}, std::pair{5, 5}),
                         [](const auto& info) {
                             return "Col" + std::to_string(info.param.first) + "Row" + std::to_string(info.param.second);
                         });

TEST_F(BoardGridTest, DelOfTheCellBeforeTheFirstChangesNothing)
{
    fillWithPattern();
    const QImage before = grabOnScreen(table);
    table.paintOver(-1, -1, -1, -1);
    EXPECT_EQ(grabOnScreen(table), before);
}

TEST_F(BoardGridTest, BlockGetsOneOutlineAndNoInnerLines)
{
    fillWithPattern();
    table.paintOver(1, 1, 3, 2);
    const QImage after = grabOnScreen(table);
    EXPECT_EQ(after.pixel(24, 30), rgb(BoardGrid::LineColour));       // left outline
    EXPECT_EQ(after.pixel(49, 30), rgb(BoardGrid::BoardColour));      // inner vertical line gone
    EXPECT_EQ(after.pixel(60, 49), rgb(BoardGrid::BoardColour));      // inner horizontal line gone
    EXPECT_EQ(after.pixel(99, 74), rgb(BoardGrid::LineColour));       // bottom-right corner
    EXPECT_EQ(after.pixel(100, 60), QColor(200, 40, 40).rgb());   // next cell untouched
}

TEST_F(BoardGridTest, PixmapShowsAtOnceWithoutItsTransparentPixels)
{
    fillWithPattern();
    QImage piece(24, 24, QImage::Format_ARGB32);
    piece.fill(Qt::transparent);
    for (int y = 0; y < 24; ++y)
        piece.setPixel(5, y, qRgb(0, 0, 255));
    table.drawPixmap(25, 50, QPixmap::fromImage(piece));
    const QImage after = grabOnScreen(table);
    EXPECT_EQ(after.pixel(30, 60), qRgb(0, 0, 255));
    EXPECT_EQ(after.pixel(31, 60), QColor(200, 40, 40).rgb());
}

TEST_F(BoardGridTest, ShowingAgainClearsWhatWasDrawn)
{
    fillWithPattern();
    QSignalSpy cleared(&table, &BoardGrid::surfaceCleared);
    table.hide();
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_EQ(table.surface().pixel(60, 60), rgb(BoardGrid::BoardColour));
}

TEST_F(BoardGridTest, NewSizeKeepsTheOverlapAndMovesTheCurrentCellWithoutAChoice)
{
    table.setGridSize(8);
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_End);
    QTest::keyClick(&table, Qt::Key_PageDown);
    ASSERT_EQ(table.currentCell(), QPoint(7, 7));
    fillWithPattern();
    chosen.clear();

    table.setGridSize(6);
    EXPECT_EQ(table.size(), QSize(150, 150));
    EXPECT_EQ(table.currentCell(), QPoint(5, 5));
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(table.surface().pixel(130, 130), QColor(200, 40, 40).rgb());
}

// --- choosing cells with the mouse -----------------------------------------------------

TEST_F(BoardGridTest, LeftPressChoosesTheCellAndTakesFocusOtherButtonsChooseNothing)
{
    QTest::mousePress(&table, Qt::RightButton, {}, centreOf(1, 1));
    QTest::mouseRelease(&table, Qt::RightButton, {}, centreOf(1, 1));
    QTest::mousePress(&table, Qt::MiddleButton, {}, centreOf(1, 1));
    QTest::mouseRelease(&table, Qt::MiddleButton, {}, centreOf(1, 1));
    EXPECT_TRUE(chosen.empty());

    QTest::mousePress(&table, Qt::LeftButton, Qt::ShiftModifier, QPoint(24, 49)); // grid-line pixels
    EXPECT_EQ(chosen, (Cells{{0, 1}}));
    EXPECT_TRUE(table.hasFocus());
}

TEST_F(BoardGridTest, PressOnTheCurrentCellChoosesItAgainButADoubleClickDoesNot)
{
    press(3, 4);
    release();
    press(3, 4);
    release();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, centreOf(3, 4));
    release();
    EXPECT_EQ(chosen, (Cells{{3, 4}, {3, 4}}));
}

TEST_F(BoardGridTest, DragChoosesEveryNewCellEnteredUntilRelease)
{
    press(1, 1);
    dragTo(QPoint(40, 40));  // still (1, 1)
    dragTo(centreOf(2, 1));
    dragTo(centreOf(3, 2));
    release();
    dragTo(centreOf(4, 4));
    EXPECT_EQ(chosen, (Cells{{1, 1}, {2, 1}, {3, 2}}));
}

TEST_F(BoardGridTest, DisablingTheBoardEndsTheDrag)
{
    QObject::connect(&table, &BoardGrid::cellChosen, [this] {
        if (chosen.size() == 2)
            table.setEnabled(false); // as a legal placement does
    });
    press(0, 0);
    dragTo(centreOf(1, 0));
    table.setEnabled(true);
    dragTo(centreOf(2, 0));
    EXPECT_EQ(chosen, (Cells{{0, 0}, {1, 0}}));
}

TEST_F(BoardGridTest, DragPastTheRightEdgeStepsRightEverySixtyMsUpToTheLastColumn)
{
    press(2, 3);
    QElapsedTimer clock;
    clock.start();
    dragTo(QPoint(200, centreOf(0, 3).y()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen.size() == 4; }, 2000));
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(200);
    EXPECT_EQ(chosen, (Cells{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_GE(elapsed, 3 * 55);
}

TEST_F(BoardGridTest, DragBeyondTwoSidesStepsDiagonallyThenAlongTheEdge)
{
    press(3, 1);
    dragTo(QPoint(-5, -30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen.size() == 4; }, 2000));
    QTest::qWait(150);
    EXPECT_EQ(chosen, (Cells{{3, 1}, {2, 0}, {1, 0}, {0, 0}}));
}

TEST_F(BoardGridTest, ComingBackInsideStopsTheStepping)
{
    press(2, 2);
    dragTo(QPoint(-10, centreOf(0, 2).y()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen.size() == 2; }, 2000));
    dragTo(centreOf(1, 2)); // the cell chosen last: no choice
    QTest::qWait(200);
    EXPECT_EQ(chosen, (Cells{{2, 2}, {1, 2}}));
}

TEST_F(BoardGridTest, DisabledBoardReportsNeitherChoicesNorMoves)
{
    QSignalSpy moves(&table, &BoardGrid::pointerMoved);
    table.setEnabled(false);
    press(1, 1);
    release();
    QTest::keyClick(&table, Qt::Key_Right);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 40), table.mapToGlobal(QPointF(40, 40)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&table, &move);
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(moves.count(), 0);
}

// --- choosing cells with the keyboard ------------------------------------------------

struct KeyMove {
    Qt::Key key;
    std::pair<int, int> cell;
};

void PrintTo(const KeyMove& m, std::ostream* out) { *out << QKeySequence(m.key).toString().toStdString(); }

class KeyTest : public BoardGridTest, public testing::WithParamInterface<KeyMove> {};

TEST_P(KeyTest, KeyMovesTheCursorAndEnterOrSpaceChoosesItsCell)
{
    press(2, 3);
    release();
    chosen.clear();
    EXPECT_FALSE(table.cursorShown()); // a click plays; the cursor waits for a key
    QTest::keyClick(&table, GetParam().key);
    EXPECT_TRUE(chosen.empty());
    EXPECT_TRUE(table.cursorShown());
    const QPoint cell(GetParam().cell.first, GetParam().cell.second);
    EXPECT_EQ(table.currentCell(), cell);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(&table, key);
    EXPECT_EQ(chosen, Cells(3, GetParam().cell));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest,
                         testing::Values(KeyMove{Qt::Key_Left, {1, 3}}, KeyMove{Qt::Key_Right, {3, 3}},
                                         KeyMove{Qt::Key_Up, {2, 2}}, KeyMove{Qt::Key_Down, {2, 4}},
                                         KeyMove{Qt::Key_Home, {0, 3}}, KeyMove{Qt::Key_End, {5, 3}},
                                         KeyMove{Qt::Key_PageUp, {2, 0}}, KeyMove{Qt::Key_PageDown, {2, 5}}),
                         testing::PrintToStringParamName());

TEST_F(BoardGridTest, KeyThatCannotMoveTheCurrentCellChoosesNothing)
{
    press(0, 5);
    release();
    chosen.clear();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Down, Qt::Key_PageDown})
        QTest::keyClick(&table, key);
    EXPECT_TRUE(chosen.empty());
}

TEST_F(BoardGridTest, DrawingOverACellForgetsOnlyTheCellsWhoseInsideItReaches)
{
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            table.setShown(c, r, 7);
    table.drawGridLines();
    EXPECT_EQ(table.shown(4, 4), 7);

    QPixmap piece(24, 24);
    piece.fill(Qt::red);
    table.drawPixmap(2 * 25 + 5, 1 * 25, piece); // a frame between two cells, as a rotating jewel is drawn
    EXPECT_EQ(table.shown(2, 1), -1);
    EXPECT_EQ(table.shown(3, 1), -1);
    EXPECT_EQ(table.shown(2, 2), 7);

    table.paintOver(4, 4, 4, 4); // its outline lies on the lines of the cells above and left
    EXPECT_EQ(table.shown(4, 4), -1);
    EXPECT_EQ(table.shown(3, 3), 7);
    EXPECT_EQ(table.shown(3, 4), 7);
    EXPECT_EQ(table.shown(4, 3), 7);

    table.hide();
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    EXPECT_EQ(table.shown(5, 5), -1); // shown again on a cleared surface
}

// --- what reaches the screen ---------------------------------------------------------------

namespace {

// The regions of the paint events the table receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

QRect cellRect(int col, int row) { return QRect(col * 25, row * 25, 24, 24); }

QPixmap opaque(QColor colour)
{
    QPixmap piece(24, 24);
    piece.fill(colour);
    return piece;
}

} // namespace

TEST_F(BoardGridTest, BatchShowsOnlyTheCellsThatChangedInOnePaint)
{
    table.drawGridLines(); // the fresh grid's lines
    PaintRecorder painted(table);
    {
        BoardGrid::Batch batch(table);
        table.drawPixmap(1 * 25, 1 * 25, opaque(Qt::red));
        table.drawPixmap(4 * 25, 3 * 25, opaque(Qt::blue));
        table.drawGridLines(); // nothing lies over a line
        EXPECT_TRUE(painted.regions.empty());
    }
    ASSERT_EQ(painted.regions.size(), 1u);
    EXPECT_EQ(painted.regions[0], QRegion(cellRect(1, 1)) + cellRect(4, 3));
    EXPECT_EQ(grabOnScreen(table).pixel(4 * 25 + 3, 3 * 25 + 3), qRgb(0, 0, 255));
}

TEST_F(BoardGridTest, GridLinesComeBackOnlyWhereAPictureCoveredThem)
{
    table.drawGridLines();
    table.drawPixmap(2 * 25 + 10, 1 * 25, opaque(Qt::red)); // over the line right of (2, 1)
    EXPECT_EQ(grabOnScreen(table).pixel(2 * 25 + 24, 30), QColor(Qt::red).rgb());
    PaintRecorder painted(table);
    {
        BoardGrid::Batch batch(table);
        table.drawGridLines();
    }
    ASSERT_EQ(painted.regions.size(), 1u);
    EXPECT_EQ(painted.regions[0], QRegion(2 * 25 + 24, 1 * 25, 1, 25)); // only the line
    const QImage shot = grabOnScreen(table);
    EXPECT_EQ(shot.pixel(2 * 25 + 24, 30), rgb(BoardGrid::LineColour));
    EXPECT_EQ(shot.pixel(2 * 25 + 23, 30), QColor(Qt::red).rgb());
    EXPECT_EQ(shot.pixel(3 * 25 + 5, 30), QColor(Qt::red).rgb());
}

TEST_F(BoardGridTest, APictureLargerThanACellMakesEveryRepaintDrawEverything)
{
    table.drawGridLines();
    table.setShown(1, 1, 3);
    ASSERT_EQ(table.shown(1, 1), 3);
    QPixmap wide(30, 24);
    wide.fill(Qt::red);
    table.drawPixmap(0, 0, wide);
    table.setShown(1, 1, 3);
    EXPECT_EQ(table.shown(1, 1), -1);
    PaintRecorder painted(table);
    {
        BoardGrid::Batch batch(table);
        table.drawGridLines();
    }
    ASSERT_EQ(painted.regions.size(), 1u);
    EXPECT_EQ(painted.regions[0].boundingRect(), table.rect());
}
