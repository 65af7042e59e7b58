#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QLineEdit>
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
    EXPECT_EQ(boardGrid()->size(), QSize(f.grid, f.grid));
    EXPECT_EQ(control<QFrame>(*form, "Panel")->pos(), QPoint(f.panelLeft, 8));
    EXPECT_EQ(form->outerMinimumSize(), f.outerMinimum);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kuralo　サイズ%1").arg(f.n));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowFigures,
                         testing::Values(Figures{6, 150, 160, {320, 373}}, Figures{12, 300, 310, {470, 373}},
                                         Figures{13, 325, 335, {495, 391}}, Figures{26, 650, 660, {820, 716}}),
                         testing::PrintToStringParamName());

// Tests and style sheets find the controls by their design names: each name once, a seat's by its number.
TEST_F(MainFormTest, EachControlCarriesItsDesignNameOnce)
{
    create();
    for (const char* name : {"Table", "Panel", "Light1", "Light2", "Light3", "Light4", "PRed", "PBlu", "PGrn", "PBlk",
                             "Name1", "Name2", "Name3", "Name4", "Bevel1", "Label1", "LTL", "LPoint", "BtnPass",
                             "AutoPass", "StatusBar", "PanelResult", "ShowLegal", "HintAction", "HelpAction", "BtnHelp",
                             "hintTimer", "AnalyzeGame"})
        EXPECT_EQ(form->findChildren<QObject*>(QString::fromLatin1(name)).size(), 1) << name;
    for (int seat = 2; seat <= 4; ++seat)
        for (const QString& row : {QStringLiteral("Light%1"), QStringLiteral("Name%1")})
            EXPECT_LT(control(*form, row.arg(seat - 1))->y(), control(*form, row.arg(seat))->y())
                << row.arg(seat).toStdString();
}

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

namespace {

struct Fill {
    QSize client;
    int n;
    int board; // pixels a side
};

void PrintTo(const Fill& f, std::ostream* out) { *out << f.client.width() << "x" << f.client.height() << "N" << f.n; }

class BoardFill : public MainFormTest, public testing::WithParamInterface<Fill> {};

std::vector<rules::Place> fourPlaces()
{
    return {{1, 1, "赤", 9}, {2, 2, "青", 5}, {3, 3, "緑", 4}, {4, 4, "黒", 1}};
}

} // namespace

// The board takes what the side panel and the status bar leave of the window, in whole cells;
// a result shown, a new game or a detour through another size change nothing of it.
TEST_P(BoardFill, BoardFollowsTheWindowSizeAlone)
{
    const Fill f = GetParam();
    startShown(f.n);
    form->resize(f.client);
    EXPECT_EQ(boardGrid()->size(), QSize(f.board, f.board));
    EXPECT_LE(control<QFrame>(*form, "Panel")->geometry().right(), form->width());
    EXPECT_LE(boardGrid()->height(), control<QStatusBar>(*form, "StatusBar")->y());
    form->showResult(fourPlaces());
    newGame();
    form->resize(f.client + QSize(300, 200));
    form->resize(f.client);
    EXPECT_EQ(boardGrid()->size(), QSize(f.board, f.board));
}

INSTANTIATE_TEST_SUITE_P(Windows, BoardFill,
                         // The coordinates take a strip of 16 pixels where there is room for them.
                         testing::Values(Fill{{1400, 1000}, 8, 952}, Fill{{700, 500}, 8, 448},
                                         Fill{{539, 401}, 8, 352}, Fill{{539, 1000}, 8, 352},
                                         Fill{{1400, 1000}, 26, 936}, Fill{{700, 500}, 26, 650}),
                         testing::PrintToStringParamName());

// At any screen scale: 25 pixels a cell in the smallest window, never fewer in a larger one,
// and the board, the panel beside it and the status bar under it always fit.
TEST(ShownCellFor, SmallestWindowShowsTheDesignCellsAndLargerOnesFitTheirBoard)
{
    for (const double ratio : {1.0, 1.5, 2.0})
        for (const int n : {6, 8, 13, 26}) {
            // Without a frame, which leaves the most room.
            const QSize smallest(25 * n + 170, std::max(25 * n + 66, 373));
            EXPECT_EQ(ui::Tmainform::shownCellFor(smallest, n, ratio), int(25 * ratio)) << ratio << " N" << n;
            int before = 0;
            for (int grow = 0; grow <= 900; grow += 45) {
                const QSize client = smallest + QSize(grow, grow * 2 / 3);
                const int cell = ui::Tmainform::shownCellFor(client, n, ratio);
                EXPECT_GE(cell, before);
                before = cell;
                const double board = n * cell / ratio;
                EXPECT_LE(board + 155, client.width()) << ratio << " N" << n << " +" << grow;
                EXPECT_LE(board + 25, client.height()) << ratio << " N" << n << " +" << grow;
            }
        }
}

// Alone in its lobby the host has no next game to open, however its window closed.
TEST_F(MainFormTest, ClosingOnTheHostHidesTheWindowAndOpensNoGameForOneMember)
{
    startShown(8);
    control<ui::RadioGroup>(*boot, "Method")->setItemIndex(0);
    control<QLineEdit>(*boot, "BoxPort")->setText(QStringLiteral("0"));
    boot->BtnStartClick();
    boot->Setting_enable(false);
    form->match().abandon(); // no question on closing
    const auto boardBefore = form->game().board();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(control<QPushButton>(*boot, "BtnGame")->isEnabled());
    EXPECT_EQ(form->game().board(), boardBefore);
}

TEST_F(MainFormTest, ClosingOnAGuestLeavesTheSettingsLocked)
{
    startShown(8);
    control<ui::RadioGroup>(*boot, "Method")->setItemIndex(1);
    boot->Setting_enable(false);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(control<QPushButton>(*boot, "BtnGame")->isEnabled());
}
