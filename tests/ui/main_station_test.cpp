#include "tests/ui/main_fixture.h"
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
    EXPECT_EQ(form->game.boardSize(), 7);
    EXPECT_EQ(form->game.scoring(), rules::Scoring::Count);
    EXPECT_EQ(form->game.timeLimit(), 30);
    EXPECT_EQ(form->Timer->interval(), 30000);
    EXPECT_EQ(form->PBlk->text(), QStringLiteral("2個"));
    EXPECT_EQ(form->Name[3]->text(), QStringLiteral("緑"));
    EXPECT_EQ(form->LTL->text(), QStringLiteral("残り30秒"));
    EXPECT_FALSE(form->Light[1]->pixmap().isNull());
}

// The guests learnt the rotation switch from the start message: a box ticked or cleared during
// the game must not change the game here alone.
TEST_F(MainFormTest, RotationStaysAsTheGameStartedWhateverTheLobbyBoxSays)
{
    for (const bool started : {true, false}) {
        create(8);
        boot->rotation->setChecked(started);
        newGame();
        boot->rotation->setChecked(!started);
        form->game.BeginLocalTurn();
        ASSERT_TRUE(form->game.TableSelectCell(1, 3)); // closes a line with seat 1's jewel
        EXPECT_EQ(form->game.board()[4][3], started ? 5 : 6) << "rotation " << started;
    }
}

TEST_F(MainFormTest, PassButtonPassesTheTurnAndClosesIt)
{
    startShown(8);
    openTurn();
    QTest::mouseClick(form->BtnPass, Qt::LeftButton);
    EXPECT_EQ(form->game.passCount(), 1);
    EXPECT_EQ(form->game.curPlayer(), 2);
    EXPECT_FALSE(form->game.myTurn());
    EXPECT_FALSE(form->BtnPass->isEnabled());
    EXPECT_FALSE(form->Table->isEnabled());
}

TEST_F(MainFormTest, RefusedCellKeepsTheTurnOpen)
{
    startShown(8);
    openTurn();
    const auto before = form->game.board();
    QTest::mouseClick(form->Table, Qt::LeftButton, {}, QPoint(3 * 25 + 12, 3 * 25 + 12)); // a jewel
    EXPECT_EQ(form->game.board(), before);
    EXPECT_TRUE(form->Table->isEnabled());
    EXPECT_TRUE(form->game.myTurn());
}

// The move is announced and the announcement closes the local turn.
TEST_F(MainFormTest, ChosenCellIsPlayedAndItsAnnouncementClosesTheTurn)
{
    startShown(8);
    openTurn();
    const auto [col, row] = form->game.legalCells().front();
    QTest::mouseClick(form->Table, Qt::LeftButton, {}, QPoint(col * 25 + 12, row * 25 + 12));
    EXPECT_EQ(form->game.board()[col][row], 1);
    EXPECT_EQ(form->game.curPlayer(), 2);
    EXPECT_FALSE(form->game.myTurn());
    EXPECT_FALSE(form->Table->isEnabled() || form->BtnPass->isEnabled());
}

TEST_F(MainFormTest, TimeOutPassesOnItsOwn)
{
    create(8, 5);
    newGame();
    openTurn();
    form->setTimeoutInterval(30);
    form->startTimers();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->game.passCount() == 1; }, 2000));
    EXPECT_EQ(form->game.curPlayer(), 2);
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_FALSE(form->counter->isActive());
}

TEST_F(MainFormTest, CounterTicksEverySecondUntilStopped)
{
    create(8, 5);
    newGame();
    openTurn();
    form->startTimers();
    EXPECT_TRUE(form->Timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->LTL->text() == QStringLiteral("残り4秒"); }, 1500));
    form->stopTimers();
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_FALSE(form->counter->isActive());
    QTest::qWait(1100);
    EXPECT_EQ(form->LTL->text(), QStringLiteral("残り4秒"));
}


TEST_F(MainFormTest, PauseBlocksForItsTimeUnlessScaledToNothing)
{
    create(8);
    QElapsedTimer clock;
    clock.start();
    form->pause(40);
    EXPECT_GE(clock.elapsed(), 40);

    ui::Tmainform::pauseFactor = 0;
    clock.restart();
    form->pause(1000);
    ui::Tmainform::pauseFactor = 1;
    EXPECT_LT(clock.elapsed(), 500);
}
