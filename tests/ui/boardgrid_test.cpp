#include "tests/ui/board_pictures.h"
#include "tests/ui/screen_grab.h"
#include "ui/boardgrid.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using ui::BoardGrid;

namespace {

using Cells = std::vector<std::pair<int, int>>;

// A shown 6 × 6 board, enabled, with the test pictures, that records every cell it chooses.
class BoardGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        table.setPictures(&pictures, nullptr);
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

    // What the screen shows once the pending paints are done: a change that asked for no paint
    // does not show.
    QImage shot()
    {
        QApplication::processEvents();
        return grabOnScreen(table);
    }

    // The colour of a quarter of a cell's interior: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    static QColor quarter(const QImage& shot, int col, int row, int which)
    {
        return shot.pixelColor(col * 25 + 6 + (which % 2) * 12, row * 25 + 6 + (which / 2) * 12);
    }

    const ui::BoardImages pictures = boardpictures::halves();
    BoardGrid table;
    Cells chosen;
};

} // namespace

// --- what the cells show ----------------------------------------------------------------

using boardpictures::piece;

TEST_F(BoardGridTest, CellShowsCursorMarkAndPieceInThatOrderWithLinesAtItsRightAndBottom)
{
    table.Put(2, 3, rules::CursorImage);
    table.Put(2, 3, rules::LastMoveImage);
    table.Put(2, 3, 6);
    const QImage after = shot();
    EXPECT_EQ(quarter(after, 2, 3, 0), boardpictures::mark);
    EXPECT_EQ(quarter(after, 2, 3, 1), piece(6));
    EXPECT_EQ(quarter(after, 2, 3, 2), boardpictures::cursor);
    EXPECT_EQ(quarter(after, 2, 3, 3), piece(6));
    EXPECT_EQ(after.pixelColor(2 * 25 + 24, 3 * 25 + 5), BoardGrid::LineColour);
    EXPECT_EQ(after.pixelColor(2 * 25 + 5, 3 * 25 + 24), BoardGrid::LineColour);
    EXPECT_EQ(quarter(after, 1, 3, 3), BoardGrid::BoardColour);

    table.Put(2, 3, rules::CursorImage); // opaque: hides what was drawn before it
    EXPECT_EQ(table.look(2, 3), (BoardGrid::Look{rules::Empty, false, true}));
    table.Del(2, 3);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(quarter(shot(), 2, 3, q), BoardGrid::BoardColour) << q;
}

TEST_F(BoardGridTest, DelOffTheBoardChangesNothingAndABlockEmptiesOnlyItsCells)
{
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            table.Put(c, r, 1 + (c + r) % 8);
    const QImage before = shot();
    table.Del(-1, -1);
    table.paintOver(-1, 6, 5, 8);
    EXPECT_EQ(shot(), before);

    table.paintOver(1, 1, 3, 2);
    const QImage after = shot();
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r) {
            const bool inside = c >= 1 && c <= 3 && r >= 1 && r <= 2;
            EXPECT_EQ(quarter(after, c, r, 1), inside ? BoardGrid::BoardColour : piece(1 + (c + r) % 8)) << c << "," << r;
        }
    EXPECT_EQ(after.pixelColor(49, 30), BoardGrid::LineColour);
}

TEST_F(BoardGridTest, PictureOnItsWayShowsOverTheCellsUntilTheNextStepOrTheBoardSettles)
{
    table.Put(1, 1, 2);
    table.PutOnTheWay(0, 0, QPoint(1, 1), 2, 5, 5); // ten pixels right and down of (0, 0)
    QImage after = shot();
    EXPECT_EQ(after.pixelColor(10 + 12, 10), piece(5));
    EXPECT_EQ(after.pixelColor(10 + 23, 10 + 23), piece(5)) << "over the piece of (1, 1)";
    EXPECT_EQ(after.pixelColor(24, 20), piece(5)) << "over the grid line";
    EXPECT_EQ(after.pixelColor(10 + 11, 20), BoardGrid::BoardColour) << "its transparent half";

    table.PutOnTheWay(0, 0, QPoint(1, 1), 5, 5, 5); // lands on (1, 1)
    after = shot();
    EXPECT_EQ(after.pixelColor(10 + 12, 10), BoardGrid::BoardColour) << "the step before is gone";
    EXPECT_EQ(quarter(after, 1, 1, 1), piece(5));
    table.settle();
    EXPECT_EQ(quarter(shot(), 1, 1, 1), piece(2));
}

TEST_F(BoardGridTest, ShowingAgainClearsWhatWasDrawn)
{
    table.Put(2, 2, 3);
    QSignalSpy cleared(&table, &BoardGrid::cleared);
    table.hide();
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_EQ(quarter(shot(), 2, 2, 1), BoardGrid::BoardColour);
}

TEST_F(BoardGridTest, NewSizeKeepsTheOverlapAndMovesTheCurrentCellWithoutAChoice)
{
    table.setGridSize(8);
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_End);
    QTest::keyClick(&table, Qt::Key_PageDown);
    ASSERT_EQ(table.currentCell(), QPoint(7, 7));
    table.Put(5, 5, 4);
    table.Put(6, 6, 4);
    chosen.clear();

    table.setGridSize(6);
    EXPECT_EQ(table.size(), QSize(150, 150));
    EXPECT_EQ(table.currentCell(), QPoint(5, 5));
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(quarter(shot(), 5, 5, 1), piece(4));
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
