#include "tests/ui/board_pictures.h"
#include "ui/boardgrid.h"
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// A board whose cells show larger than 25 pixels: every cell comes out alike and as sharp as
// its pictures drawn at that size, and every grid line is as wide as every other. CMake runs
// these again at screen scales of 1.5 and 2.

using ui::BoardGrid;

namespace {

// A picture four times the usual size, fine enough that any enlargement of a smaller one shows.
QPixmap detailed()
{
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 8; y < 88; ++y)
        for (int x = 20; x < 76; ++x)
            image.setPixelColor(x, y, QColor(2 * x, 2 * y, (x * y) % 256));
    return QPixmap::fromImage(image);
}

class ShownCell : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        larger[3] = detailed();
        table.setPictures(&pictures, &larger);
        table.setGridSize(6);
        table.setShownCell(GetParam());
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    }

    // Painted afresh at the screen's pixel ratio, in device pixels.
    QImage shot() { return table.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QImage cellOf(const QImage& shot, int col, int row) const
    {
        const int c = table.shownCell();
        return shot.copy(col * c, row * c, c, c);
    }

    const ui::BoardImages pictures = boardpictures::halves();
    ui::BoardImages larger;
    BoardGrid table;
};

} // namespace

TEST_P(ShownCell, EveryCellShowsTheSamePictureAndLinesAllOfAWidth)
{
    const int c = GetParam();
    EXPECT_EQ(table.size() * table.devicePixelRatioF(), QSize(6 * c, 6 * c)); // the shot's pixels
    for (const QPoint cell : {QPoint(0, 0), QPoint(3, 2), QPoint(5, 5)}) {
        table.Put(cell.x(), cell.y(), rules::LastMoveImage);
        table.Put(cell.x(), cell.y(), 2);
    }
    const QImage picture = shot();
    ASSERT_EQ(picture.size(), QSize(6 * c, 6 * c));
    EXPECT_EQ(cellOf(picture, 3, 2), cellOf(picture, 0, 0));
    EXPECT_EQ(cellOf(picture, 5, 5), cellOf(picture, 0, 0));
    EXPECT_EQ(cellOf(picture, 1, 4), cellOf(picture, 4, 1));
    EXPECT_NE(cellOf(picture, 1, 4), cellOf(picture, 0, 0));
    const int lineWidth = std::max(1, c / 25);
    EXPECT_EQ(table.shownLine(), lineWidth);
    for (int offset = 0; offset < c; ++offset) {
        const bool line = offset >= c - lineWidth;
        EXPECT_EQ(picture.pixelColor(2 * c + offset, c + c / 2) == BoardGrid::LineColour, line) << offset;
        EXPECT_EQ(picture.pixelColor(c + c / 2, 2 * c + offset) == BoardGrid::LineColour, line) << offset;
    }
}

// The interior is the larger picture brought once to its size, whichever cell shows it.
TEST_P(ShownCell, ACellIsAsSharpAsItsPictureDrawnAtTheShownSize)
{
    const int c = GetParam();
    const int interior = c - table.shownLine();
    QImage expected(interior, interior, QImage::Format_RGB32);
    expected.fill(BoardGrid::BoardColour);
    QPainter(&expected).drawImage(
        0, 0, larger[3].toImage().scaled(interior, interior, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (const QPoint cell : {QPoint(2, 1), QPoint(4, 4)})
        table.Put(cell.x(), cell.y(), 3);
    const QImage picture = shot();
    EXPECT_EQ(picture.copy(2 * c, c, interior, interior), expected);
    EXPECT_EQ(picture.copy(4 * c, 4 * c, interior, interior), expected);
    EXPECT_EQ(picture.pixelColor(2 * c + interior, c), BoardGrid::LineColour);
}

// Five steps make one cell: the last one shows the picture exactly where the next cell shows it.
TEST_P(ShownCell, PictureAtTheEndOfItsWayMatchesTheCellItReaches)
{
    table.Put(2, 2, 6);
    table.PutOnTheWay(3, 3, QPoint(-1, 0), 5, 5, 6);
    const QImage picture = shot();
    EXPECT_EQ(cellOf(picture, 2, 3), cellOf(picture, 2, 2));
}

TEST_P(ShownCell, PointerReportsTheCellUnderItsPixel)
{
    const int c = GetParam();
    const double ratio = table.devicePixelRatioF();
    QSignalSpy moved(&table, &BoardGrid::pointerMoved);
    // The widget's pixel that shows a device pixel or the next one or two.
    const auto widgetPixel = [ratio](const QPoint& device) {
        return QPointF(std::ceil(device.x() / ratio), std::ceil(device.y() / ratio));
    };
    const int lastInside = c - table.shownLine() - 3;
    for (const QPoint cell : {QPoint(0, 0), QPoint(3, 2), QPoint(5, 5)})
        for (const QPoint inside : {QPoint(0, 0), QPoint(lastInside, lastInside)}) {
            const QPointF at = widgetPixel(cell * c + inside);
            QMouseEvent move(QEvent::MouseMove, at, table.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&table, &move);
            ASSERT_FALSE(moved.isEmpty());
            const int x = moved.last().at(0).toInt();
            const int y = moved.last().at(1).toInt();
            EXPECT_EQ(QPoint(x / BoardGrid::Cell, y / BoardGrid::Cell), cell);
            EXPECT_LT(x % BoardGrid::Cell, BoardGrid::Cell - 1); // an interior, not a line
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShownCell, testing::Values(26, 37, 50, 61));
