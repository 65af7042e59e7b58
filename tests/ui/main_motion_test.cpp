#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QLabel>

// What the rules' cells and counts come to on the game window: a jewel part way between two
// cells, and the gain label's size.

using ui::BoardGrid;

// Two fifths of the way from (0, 0) to (1, 1): ten pixels right and down of the first cell.
// The test pictures are opaque in their right half only.
TEST_F(MainFormTest, JewelOnItsWayIsDrawnThatShareOfTheCellsAlong)
{
    startShown(8);
    form->PutOnTheWay(0, 0, {1, 1}, 2, 5, 5);
    const QImage shot = board();
    EXPECT_EQ(shot.pixelColor(10 + 12, 10), testimg::piece(5));
    EXPECT_EQ(shot.pixelColor(10 + 23, 10 + 23), testimg::piece(5));
    EXPECT_EQ(shot.pixelColor(10 + 11, 20), BoardGrid::BoardColour) << "the transparent half";
    EXPECT_EQ(shot.pixelColor(10 + 24, 20), BoardGrid::BoardColour) << "right of the picture";
    EXPECT_EQ(shot.pixelColor(30, 9), BoardGrid::BoardColour) << "above the picture";
}

struct GainSize {
    int taken;
    int points; // the label's size in points of a 96-dpi screen
};

class GainLabel : public MainFormTest, public testing::WithParamInterface<GainSize> {};

// One point larger for every three faces one placement takes.
TEST_P(GainLabel, GrowsWithTheFacesTaken)
{
    create();
    form->showGainText(QStringLiteral("＋6点"), GetParam().taken);
    EXPECT_EQ(control<QLabel>(*form, "LPoint")->text(), QStringLiteral("＋6点"));
    EXPECT_EQ(control<QLabel>(*form, "LPoint")->font().pixelSize(), (GetParam().points * 96 + 36) / 72);
}

INSTANTIATE_TEST_SUITE_P(Taken, GainLabel,
                         testing::Values(GainSize{0, 11}, GainSize{2, 11}, GainSize{3, 12}, GainSize{5, 12},
                                         GainSize{6, 13}, GainSize{7, 13}, GainSize{30, 21}),
                         [](const auto& info) { return "Taken" + std::to_string(info.param.taken); });
