#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QScreen>
#include <QStatusBar>

// Where the game window opens and whether its keys are the game's.

namespace {

struct Opening {
    const char* name;
    QSize client;
    QPoint place; // where the window stood before
};

void PrintTo(const Opening& o, std::ostream* out) { *out << o.name; }

class OpensOnScreen : public MainFormTest, public testing::WithParamInterface<Opening> {};

} // namespace

// The test screen is 800 x 600: the design place alone puts the status bar below its edge.
TEST_P(OpensOnScreen, WholeWindowWithinTheScreensFreeArea)
{
    const Opening o = GetParam();
    create(8);
    newGame();
    form->resize(o.client);
    form->move(o.place);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect area = form->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(form->frameGeometry())) << form->frameGeometry().bottom() << " " << area.bottom();
    EXPECT_GE(form->width(), form->minimumWidth());
    EXPECT_EQ(boardGrid()->height(), 8 * boardGrid()->shownCell());
    EXPECT_LE(boardGrid()->height(), control<QStatusBar>(*form, "StatusBar")->y());
}

INSTANTIATE_TEST_SUITE_P(Places, OpensOnScreen,
                         testing::Values(Opening{"DesignPlace", ui::Tmainform::DesignClient, {363, 211}},
                                         Opening{"LargerThanTheScreen", {1400, 1000}, {363, 211}},
                                         Opening{"LeftAboveTheScreen", {600, 450}, {-500, -300}},
                                         Opening{"RightOfTheScreen", {600, 450}, {2000, 100}}),
                         testing::PrintToStringParamName());

TEST_F(MainFormTest, NewGameGivesTheGameWindowTheKeys)
{
    create(8);
    boot->show();
    boot->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(boot.get()));
    newGame();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // The next game, while the player was in the lobby.
    boot->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(boot.get()));
    newGame();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
}
