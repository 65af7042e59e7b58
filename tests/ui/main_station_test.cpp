#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

// The window's controls wired to the game: new game from the lobby, the pass button, the
// two timers, cell choices and the announcement of a move.

TEST_F(MainFormTest, NewGameReadsSizeRuleTimeAndNamesFromTheLobby)
{
    create(7, 30, rules::Scoring::Count);
    newGame();
    EXPECT_EQ(form->game().boardSize(), 7);
    EXPECT_EQ(form->game().scoring(), rules::Scoring::Count);
    EXPECT_EQ(form->game().timeLimit(), 30);
    EXPECT_EQ(form->match().timeoutInterval(), 30000);
    EXPECT_EQ(control<QLabel>(*form, "PBlk")->text(), QStringLiteral("2個"));
    EXPECT_EQ(control<QLabel>(*form, "Name3")->text(), QStringLiteral("緑"));
    EXPECT_EQ(control<QLabel>(*form, "LTL")->text(), QStringLiteral("残り30秒"));
    EXPECT_FALSE(control<QLabel>(*form, "Light1")->pixmap().isNull());
}

// The guests learnt the rotation switch from the start message: a box ticked or cleared during
// the game must not change the game here alone.
TEST_F(MainFormTest, RotationStaysAsTheGameStartedWhateverTheLobbyBoxSays)
{
    for (const bool started : {true, false}) {
        create(8);
        control<QCheckBox>(*boot, "rotation")->setChecked(started);
        newGame();
        control<QCheckBox>(*boot, "rotation")->setChecked(!started);
        openTurn();
        ASSERT_TRUE(form->match().TableSelectCell(1, 3)); // closes a line with seat 1's jewel
        EXPECT_EQ(form->game().board()[4][3], started ? 5 : 6) << "rotation " << started;
    }
}

TEST_F(MainFormTest, PassButtonPassesTheTurnAndClosesIt)
{
    startShown(8);
    openTurn();
    QTest::mouseClick(control<QPushButton>(*form, "BtnPass"), Qt::LeftButton);
    EXPECT_EQ(form->game().passCount(), 1);
    EXPECT_EQ(form->game().curPlayer(), 2);
    EXPECT_FALSE(form->match().myTurn());
    EXPECT_FALSE(control<QPushButton>(*form, "BtnPass")->isEnabled());
    EXPECT_FALSE(boardGrid()->isEnabled());
}

TEST_F(MainFormTest, RefusedCellKeepsTheTurnOpen)
{
    startShown(8);
    openTurn();
    const auto before = form->game().board();
    QTest::mouseClick(boardGrid(), Qt::LeftButton, {}, QPoint(3 * 25 + 12, 3 * 25 + 12)); // a jewel
    EXPECT_EQ(form->game().board(), before);
    EXPECT_TRUE(boardGrid()->isEnabled());
    EXPECT_TRUE(form->match().myTurn());
}

// The move is announced and the announcement closes the local turn.
TEST_F(MainFormTest, ChosenCellIsPlayedAndItsAnnouncementClosesTheTurn)
{
    startShown(8);
    openTurn();
    const auto [col, row] = form->game().legalCells().front();
    QTest::mouseClick(boardGrid(), Qt::LeftButton, {}, QPoint(col * 25 + 12, row * 25 + 12));
    EXPECT_EQ(form->game().board()[col][row], 1);
    EXPECT_EQ(form->game().curPlayer(), 2);
    EXPECT_FALSE(form->match().myTurn());
    EXPECT_FALSE(boardGrid()->isEnabled() || control<QPushButton>(*form, "BtnPass")->isEnabled());
}

TEST_F(MainFormTest, TimeOutPassesOnItsOwn)
{
    create(8, 5);
    form->match().setSecondMs(6);
    newGame();
    openTurn();
    EXPECT_TRUE(form->match().timersRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->game().passCount() == 1; }, 2000));
    EXPECT_EQ(form->game().curPlayer(), 2);
    EXPECT_FALSE(form->match().timersRunning());
    EXPECT_EQ(control<QLabel>(*form, "LTL")->text(), QStringLiteral("残り5秒"));
}

TEST_F(MainFormTest, CounterTicksEverySecondUntilTheTurnEnds)
{
    create(8, 5);
    newGame();
    openTurn();
    EXPECT_TRUE(form->match().timersRunning());
    const QLabel* timeLeft = control<QLabel>(*form, "LTL");
    EXPECT_TRUE(QTest::qWaitFor([&] { return timeLeft->text() == QStringLiteral("残り4秒"); }, 1500));
    form->match().BtnPassClick();
    EXPECT_FALSE(form->match().timersRunning());
    EXPECT_EQ(control<QLabel>(*form, "LTL")->text(), QStringLiteral("残り5秒"));
}

