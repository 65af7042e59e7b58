#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

// Closing the game window while a game runs: the question, the automatic turns that keep the
// table going, and the way back from the lobby.

namespace {

class CloseTest : public QuickMainFormTest {
protected:

    // The host's own game, started from the lobby alone on a free port with four names in its list.
    void hostGame()
    {
        create(8);
        control<QLineEdit>(*boot, "BoxPort")->setText(QStringLiteral("0"));
        boot->BtnStartClick();
        ASSERT_TRUE(boot->station().inSession());
        boot->station().setMembers(members);
        boot->BtnGameClick();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_EQ(form->windowTitle(), QStringLiteral("Kuralo 【あなたの番です】")); // the first turn too
    }

    // Closes the window (the game window unless told) and answers the question with the
    // button of that caption.
    void closeAnswering(const QString& answer, QWidget* window = nullptr)
    {
        window = window ? window : form.get();
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto* box = window->findChild<QMessageBox*>();
            if (!box || !box->isVisible())
                return;
            for (QAbstractButton* button : box->buttons())
                if (button->text() == answer)
                    button->click();
        });
        answerer.start(20);
        window->close();
    }

    bool chatHas(const char* words) const
    {
        return control<QPlainTextEdit>(*boot, "Chat")->toPlainText().contains(QString::fromUtf8(words));
    }
};

TEST_F(CloseTest, ContinuingKeepsTheWindowAndTheTurn)
{
    hostGame();
    closeAnswering(QStringLiteral("続ける"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(station->leftGame());
    EXPECT_TRUE(form->match().myTurn());
}

TEST_F(CloseTest, ClosedWindowPlaysTheSeatsTurnsUntilShownAgain)
{
    hostGame();
    closeAnswering(QStringLiteral("閉じる"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(station->leftGame());
    EXPECT_TRUE(chatHas("自動で打ちます"));
    // The turn that was open when the window went is played at once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->match().myTurn(); }, 2000));
    EXPECT_EQ(form->game().curPlayer(), 2);
    EXPECT_FALSE(control<QCheckBox>(*form, "AutoPass")->isChecked());
    // The three others pass, as if their moves had come in; the seat's next turn plays itself.
    for (int seat = 2; seat <= 4; ++seat)
        form->match().playFor(seat, rules::Pass, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->game().passCount() == 0; }, 2000));
    EXPECT_FALSE(form->match().myTurn());
    EXPECT_EQ(form->game().curPlayer(), 2);
    // Double-clicking another member's name does nothing; one's own gives the seat back.
    emit control<QListWidget>(*boot, "Mem")->itemDoubleClicked(control<QListWidget>(*boot, "Mem")->item(1));
    EXPECT_FALSE(form->isVisible());
    emit control<QListWidget>(*boot, "Mem")->itemDoubleClicked(control<QListWidget>(*boot, "Mem")->item(0));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(station->leftGame());
    EXPECT_TRUE(chatHas("戻りました"));
}

// Closing the lobby ends the program and leaves the game: the same question first.
TEST_F(CloseTest, ClosingTheLobbyMidGameAsksFirst)
{
    hostGame();
    boot->show();
    QSignalSpy closed(boot.get(), &ui::Tbootform::Closed);
    closeAnswering(QStringLiteral("続ける"), boot.get());
    EXPECT_TRUE(boot->isVisible());
    EXPECT_TRUE(boot->station().inSession());
    EXPECT_TRUE(form->match().myTurn());
    EXPECT_EQ(closed.count(), 0);
    closeAnswering(QStringLiteral("閉じる"), boot.get());
    EXPECT_FALSE(boot->isVisible());
    EXPECT_FALSE(boot->station().inSession());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(CloseTest, FinishedGameClosesWithoutAQuestion)
{
    hostGame();
    for (int i = 0; i < 4; ++i)
        playAsMover(rules::Pass);
    ASSERT_TRUE(form->game().gameOver());
    form->close(); // a question here would wait for ever
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(station->leftGame());
    boot->show();
    boot->close();
    EXPECT_FALSE(boot->isVisible());
}

// The table left, New game has nothing to start: it is off, not a button that does nothing.
TEST_F(CloseTest, NewGameIsOffOnceTheHostHasStopped)
{
    hostGame();
    closeAnswering(QStringLiteral("閉じる")); // the host may start the next game meanwhile
    ASSERT_TRUE(control<QAction>(*form, "NewGame")->isEnabled());
    boot->BtnOutClick();
    EXPECT_FALSE(control<QAction>(*form, "NewGame")->isEnabled());
}

// Hosting would end a game alone: the player is asked first, and keeping the game hosts nothing.
TEST_F(CloseTest, HostingDuringAGameAloneAsksFirst)
{
    create(8);
    boot->playAlone();
    ASSERT_TRUE(station->alone());
    control<QLineEdit>(*boot, "BoxPort")->setText(QStringLiteral("0"));
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = boot->findChild<QMessageBox*>(); box && box->isVisible())
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QStringLiteral("続ける"))
                    button->click();
    });
    answerer.start(20);
    boot->BtnStartClick();
    EXPECT_TRUE(station->alone());
    EXPECT_EQ(station->state(), match::Station::State::Idle);
}

} // namespace
