#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QCheckBox>
#include <QStatusBar>

// What the game window paints on the board: a new game, the hover cursor, the last-move mark.

using ui::BoardGrid;

namespace {

// Quarters 0 and 2 lie in a piece's transparent half, 1 and 3 in its opaque half.
constexpr int TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3;

} // namespace

TEST_F(MainFormTest, NewGameOnASmallerBoardClearsThePreviousPicture)
{
    startShown(26);
    for (int c = 0; c < 26; ++c)
        for (int r = 0; r < 26; ++r)
            form->Put(c, r, rules::CursorImage); // opaque over every cell
    setLobby(12); // its centre block reaches only columns and rows 3 to 9
    newGame();
    form->resize(form->minimumSize()); // where the cells are 25 pixels again
    QApplication::processEvents();

    const QImage shot = board();
    ASSERT_EQ(shot.size(), QSize(300, 300));
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 12; ++r) {
            const int code = form->game().board()[c][r];
            const QColor opaqueHalf = code > 0 ? testimg::piece(code) : BoardGrid::BoardColour;
            EXPECT_EQ(quarter(shot, c, r, TopLeft), BoardGrid::BoardColour) << c << "," << r;
            EXPECT_EQ(quarter(shot, c, r, BottomLeft), BoardGrid::BoardColour) << c << "," << r;
            EXPECT_EQ(quarter(shot, c, r, BottomRight), opaqueHalf) << c << "," << r;
        }
    EXPECT_EQ(shot.pixelColor(24, 60), BoardGrid::LineColour);
}

TEST_F(MainFormTest, HoverDrawsTheCursorUnderThePieceAndRestoresTheCellItLeaves)
{
    startShown(8); // seat 1's jewel (code 5) stands at (3, 3)
    openTurn();
    hover(3 * 25 + 5, 3 * 25 + 20);
    QImage shot = board();
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：D4"));
    EXPECT_EQ(quarter(shot, 3, 3, TopLeft), testimg::cursor);
    EXPECT_EQ(quarter(shot, 3, 3, TopRight), testimg::piece(5));

    hover(1 * 25 + 3, 0 * 25 + 20);
    shot = board();
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：B1"));
    EXPECT_EQ(quarter(shot, 3, 3, TopLeft), BoardGrid::BoardColour);
    EXPECT_EQ(quarter(shot, 3, 3, TopRight), testimg::piece(5));
    EXPECT_EQ(shot.pixelColor(3 * 25 + 24, 3 * 25 + 5), BoardGrid::LineColour);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(quarter(shot, 1, 0, q), testimg::cursor);
}

TEST_F(MainFormTest, MovingWithinOneCellDrawsAndWritesNothing)
{
    startShown(8);
    openTurn();
    hover(2 * 25 + 2, 2 * 25 + 2);
    form->Put(2, 2, rules::LastMoveImage); // over the cursor: it would go if the cell were drawn again
    control<QStatusBar>(*form, "StatusBar")->showMessage(QStringLiteral("x"));

    hover(2 * 25 + 23, 2 * 25 + 24); // the grid-line pixels still belong to the cell
    EXPECT_EQ(quarter(board(), 2, 2, TopLeft), testimg::mark);
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("x"));
}

TEST_F(MainFormTest, FirstCellAfterANewGameGetsNoCursorUntilThePointerComesBack)
{
    startShown(8);
    openTurn();
    hover(5, 5);
    EXPECT_EQ(quarter(board(), 0, 0, TopLeft), BoardGrid::BoardColour);
    EXPECT_TRUE(control<QStatusBar>(*form, "StatusBar")->currentMessage().isEmpty());

    hover(30, 5);
    hover(5, 5);
    EXPECT_EQ(quarter(board(), 0, 0, TopLeft), testimg::cursor);
    EXPECT_EQ(quarter(board(), 1, 0, TopLeft), BoardGrid::BoardColour);
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：A1"));
}

TEST_F(MainFormTest, PositionTextNamesTheLastCellOfTheLargestBoard)
{
    startShown(26);
    openTurn();
    hover(25 * 25 + 1, 25 * 25 + 1);
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：Z26"));
    hover(650, 10); // right of the grid: not over a cell
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：Z26"));
}

TEST_F(MainFormTest, LastPlacedFaceShowsTheMarkUnderIt)
{
    startShown(8);
    control<QCheckBox>(*boot, "rotation")->setChecked(false);
    openTurn();
    QTest::mouseClick(boardGrid(), Qt::LeftButton, {}, QPoint(1 * 25 + 12, 3 * 25 + 12));

    ASSERT_EQ(form->game().board()[1][3], 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->animator().idle(); }, 2000));
    const QImage shot = board();
    EXPECT_EQ(quarter(shot, 1, 3, TopLeft), testimg::mark);
    EXPECT_EQ(quarter(shot, 1, 3, TopRight), testimg::piece(1));
    EXPECT_EQ(quarter(shot, 1, 3, BottomLeft), BoardGrid::BoardColour);
    EXPECT_EQ(quarter(shot, 2, 3, BottomRight), testimg::piece(1)); // the captured face
    EXPECT_EQ(quarter(shot, 2, 3, TopLeft), BoardGrid::BoardColour);    // no mark on it
    EXPECT_FALSE(boardGrid()->isEnabled());
}

TEST_F(MainFormTest, ShownAgainTheBoardIsPaintedWholeWithoutTheCursor)
{
    startShown(8);
    openTurn();
    hover(1 * 25 + 5, 1 * 25 + 5);
    form->close();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QImage shot = board();
    EXPECT_EQ(quarter(shot, 1, 1, TopLeft), BoardGrid::BoardColour);
    EXPECT_EQ(quarter(shot, 3, 3, TopRight), testimg::piece(5));
    EXPECT_EQ(shot.pixelColor(1 * 25 + 24, 10), BoardGrid::LineColour);
}

// Where seat 1's jewel stands, as a cell index; a rotation moves it.
int redJewelCell(const rules::Game& game)
{
    for (int col = 0; col < game.boardSize(); ++col)
        for (int row = 0; row < game.boardSize(); ++row)
            if (game.board()[col][row] == rules::jewelOf(1))
                return col * game.boardSize() + row;
    return -1;
}

// An odd and an even board, as the jewels turn round a centre cell on one and a centre point on
// the other: every change asked for its paint, so the screen shows what a fresh paint shows.
TEST_F(MainFormTest, ScreenAfterEachMoveIsWhatAFreshPaintShows)
{
    ui::MoveAnimator::pauseFactor = 0;
    for (int size : {7, 8}) {
        create(size);
        control<QCheckBox>(*boot, "rotation")->setChecked(true);
        newGame();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        int rotations = 0;
        for (int move = 0; move < 16 && form->game().existSpace(); ++move) {
            const auto cells = form->game().legalCells();
            const int jewel = redJewelCell(form->game());
            if (cells.empty()) {
                playAsMover(rules::Pass);
            } else {
                // The cursor over a piece, then a placement with its captures and perhaps a rotation.
                hover(3 * 25 + 3, (move % 7) * 25 + 3);
                playAsMover({cells[move % cells.size()].first, cells[move % cells.size()].second});
            }
            rotations += redJewelCell(form->game()) != jewel;
            const QImage onScreen = board();
            ASSERT_EQ(onScreen, boardGrid()->grab().toImage().convertToFormat(QImage::Format_RGB32))
                << "size " << size << " after move " << move;
        }
        EXPECT_GT(rotations, 0) << "size " << size << ": the moves were meant to turn the jewels";
    }
    ui::MoveAnimator::pauseFactor = 1;
}
