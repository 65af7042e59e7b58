#include "tests/ui/main_fixture.h"
#include <QPushButton>
#include <QStatusBar>

// The window's figures for each board size, its growing, and closing it.

namespace {

struct Figures {
    int n;
    int grid;
    int panelLeft;
    QSize outerMinimum;
};

void PrintTo(const Figures& f, std::ostream* out) { *out << "N" << f.n; }

class WindowFigures : public MainFormTest, public testing::WithParamInterface<Figures> {};

} // namespace

TEST_P(WindowFigures, FollowTheBoardSize)
{
    const Figures f = GetParam();
    create(f.n);
    newGame();
    EXPECT_EQ(form->Table->size(), QSize(f.grid, f.grid));
    EXPECT_EQ(form->Panel->pos(), QPoint(f.panelLeft, 8));
    EXPECT_EQ(form->outerMinimumSize(), f.outerMinimum);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kuralo　サイズ%1").arg(f.n));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowFigures,
                         testing::Values(Figures{6, 150, 160, {320, 373}}, Figures{12, 300, 310, {470, 373}},
                                         Figures{13, 325, 335, {495, 391}}, Figures{26, 650, 660, {820, 716}}),
                         testing::PrintToStringParamName());

TEST_F(MainFormTest, MinimumIsTheOuterFigureLessTheFrame)
{
    create(13);
    newGame();
    ASSERT_FALSE(form->frameKnown());
    const QSize estimated = form->minimumSize();
    EXPECT_LT(estimated.width(), 495);
    EXPECT_LT(estimated.height(), 391);

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(form->frameKnown());
    const QSize frame = form->frameGeometry().size() - form->size();
    EXPECT_EQ(form->minimumSize() + frame, QSize(495, 391));
}

TEST_F(MainFormTest, SmallerWindowGrowsToTheMinimumAndNeverShrinks)
{
    startShown(6);
    form->resize(form->minimumSize());
    setLobby(26);
    newGame();
    const QSize grown = form->size();
    EXPECT_EQ(grown, form->minimumSize());
    EXPECT_GE(grown.width(), 650 + 145);

    setLobby(6);
    newGame();
    EXPECT_EQ(form->size(), grown);
}

TEST_F(MainFormTest, LargerWindowKeepsItsSize)
{
    startShown(8);
    form->resize(1000, 900);
    setLobby(26);
    newGame();
    EXPECT_EQ(form->size(), QSize(1000, 900));
}

TEST_F(MainFormTest, ClosingOnTheHostHidesAndReopensTheSettings)
{
    startShown(8);
    boot->Method->setItemIndex(0);
    boot->Setting_enable(false);
    const auto boardBefore = form->game().board();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boot->BtnGame->isEnabled());
    EXPECT_EQ(form->game().board(), boardBefore);
}

TEST_F(MainFormTest, ClosingOnAGuestLeavesTheSettingsLocked)
{
    startShown(8);
    boot->Method->setItemIndex(1);
    boot->Setting_enable(false);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(boot->BtnGame->isEnabled());
}
