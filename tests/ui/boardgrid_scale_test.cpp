#include "ui/boardgrid.h"
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <QTest>
#include <gtest/gtest.h>

// A board whose cells show larger than the surface's: every cell comes out alike, and every
// grid line is as wide as every other. CMake runs these again at screen scales of 1.5 and 2.

using ui::BoardGrid;

namespace {

class ShownCell : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        table.setGridSize(6);
        table.setShownCell(GetParam());
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    }

    QImage cellOf(const QImage& shot, int col, int row) const
    {
        const int c = table.shownCell();
        return shot.copy(col * c, row * c, c, c);
    }

    BoardGrid table;
};

QPixmap piece()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 3; y < 21; ++y)
        for (int x = 6; x < 18; ++x)
            image.setPixelColor(x, y, QColor(200, 40 + 5 * y, 10 * x));
    return QPixmap::fromImage(image);
}

} // namespace

TEST_P(ShownCell, EveryCellShowsTheSamePictureAndLinesAllOfAWidth)
{
    const int c = GetParam();
    EXPECT_EQ(table.size() * table.devicePixelRatioF(), QSize(6 * c, 6 * c)); // the shot's pixels
    const QPixmap face = piece();
    for (const QPoint cell : {QPoint(0, 0), QPoint(3, 2), QPoint(5, 5)})
        table.drawPixmap(cell.x() * BoardGrid::Cell, cell.y() * BoardGrid::Cell, face);
    table.drawGridLines();
    // Painted afresh at the screen's pixel ratio, in device pixels.
    const QImage shot = table.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.width(), 6 * c);
    ASSERT_EQ(shot.height(), 6 * c);
    EXPECT_EQ(cellOf(shot, 3, 2), cellOf(shot, 0, 0));
    EXPECT_EQ(cellOf(shot, 5, 5), cellOf(shot, 0, 0));
    EXPECT_EQ(cellOf(shot, 1, 4), cellOf(shot, 4, 1));
    EXPECT_NE(cellOf(shot, 1, 4), cellOf(shot, 0, 0));
    const int lineWidth = std::max(1, c / 25);
    EXPECT_EQ(table.shownLine(), lineWidth);
    for (int offset = 0; offset < c; ++offset) {
        const bool line = offset >= c - lineWidth;
        EXPECT_EQ(shot.pixelColor(2 * c + offset, c + c / 2) == BoardGrid::LineColour, line) << offset;
        EXPECT_EQ(shot.pixelColor(c + c / 2, 2 * c + offset) == BoardGrid::LineColour, line) << offset;
    }
}

TEST_P(ShownCell, PointerAndCellsAgreeWithTheSurface)
{
    const int c = GetParam();
    const double ratio = table.devicePixelRatioF();
    // The widget's pixel that shows a device pixel or the next one or two.
    const auto widgetPixel = [ratio](const QPoint& device) {
        return QPoint(int(std::ceil(device.x() / ratio)), int(std::ceil(device.y() / ratio)));
    };
    const int lastInside = c - table.shownLine() - 3;
    for (const QPoint cell : {QPoint(0, 0), QPoint(3, 2), QPoint(5, 5)})
        for (const QPoint inside : {QPoint(0, 0), QPoint(lastInside, lastInside)}) {
            const QPoint pixel = table.surfacePixel(widgetPixel(cell * c + inside));
            EXPECT_EQ(QPoint(pixel.x() / BoardGrid::Cell, pixel.y() / BoardGrid::Cell), cell);
            EXPECT_LT(pixel.x() % BoardGrid::Cell, BoardGrid::Cell - 1); // an interior, not a line
        }
    EXPECT_GE(table.surfacePixel(widgetPixel(QPoint(6 * c, 0))).x(), 6 * BoardGrid::Cell);
}

// A cell whose key has a finer picture shows it, brought to the interior, while the repaint's
// key stands; anything drawn over the cell afterwards shows as drawn.
TEST_P(ShownCell, AKeyWithAFinerPictureShowsItInTheInterior)
{
    const int c = GetParam();
    QImage fine(96, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            fine.setPixel(x, y, qRgb(2 * x, 2 * y, 128));
    table.setDetail(3, fine);
    table.drawGridLines();
    table.drawPixmap(2 * BoardGrid::Cell, BoardGrid::Cell, piece());
    table.setShown(2, 1, 3);
    const int interior = c - table.shownLine();
    const QImage expected = fine.scaled(interior, interior, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(table.screen().copy(2 * c, c, interior, interior), expected);
    EXPECT_EQ(table.screen().pixelColor(2 * c + interior, c), BoardGrid::LineColour);
    table.paintOver(2, 1, 2, 1);
    EXPECT_EQ(table.screen().pixelColor(2 * c + interior / 2, c + interior / 2), BoardGrid::BoardColour);
    table.setShown(2, 1, 4); // a key without one
    EXPECT_EQ(table.screen().pixelColor(2 * c + interior / 2, c + interior / 2), BoardGrid::BoardColour);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShownCell, testing::Values(26, 37, 50, 61));

