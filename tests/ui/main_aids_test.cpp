#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include "ui/howtoplay.h"
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QStatusBar>
#include <random>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

// The game window's aids for a player who is learning: the legal-cell marks, the hint, the
// keyboard's cursor and focus, and the window 遊び方.

namespace {

class AidsTest : public QuickMainFormTest {
protected:

    std::vector<QPoint> legalPoints() const
    {
        std::vector<QPoint> cells;
        for (const auto& [col, row] : form->game().legalCells())
            cells.emplace_back(col, row);
        return cells;
    }

    // Plays the first legal cell for the seat to move, or passes; tells whether the jewels turned.
    bool playFirstLegal()
    {
        const auto jewelsBefore = jewels();
        const auto cells = form->game().legalCells();
        playAsMover(cells.empty() ? rules::Pass : rules::Cell{cells.front().first, cells.front().second});
        return jewels() != jewelsBefore;
    }

    std::vector<int> jewels() const
    {
        std::vector<int> at;
        for (int col = 0; col < form->game().boardSize(); ++col)
            for (int row = 0; row < form->game().boardSize(); ++row)
                if (form->game().board()[col][row] > 4)
                    at.push_back((col * 100 + row) * 10 + form->game().board()[col][row]);
        return at;
    }

    // The cells whose centre shows the hint's yellow.
    std::vector<QPoint> hintedOnScreen()
    {
        const QImage shot = board();
        std::vector<QPoint> cells;
        for (int col = 0; col < form->game().boardSize(); ++col)
            for (int row = 0; row < form->game().boardSize(); ++row)
                if (shot.pixelColor(QPoint(col, row) * 25 + QPoint(12, 12)) == QColor(255, 236, 64))
                    cells.emplace_back(col, row);
        return cells;
    }

    static bool isMarked(const QImage& shot, const QPoint& cell)
    {
        return shot.pixelColor(cell * 25 + QPoint(12, 12)) == QColor(Qt::white);
    }
};

struct MarkCase {
    const char* name;
    int size;
    rules::Scoring scoring;
    int moves;            // played before the local turn opens
    bool untilRotation;   // or as many as it takes to turn the jewels once
};

void PrintTo(const MarkCase& c, std::ostream* out) { *out << c.name; }

class LegalMarks : public AidsTest, public testing::WithParamInterface<MarkCase> {};

TEST_P(LegalMarks, AreTheRulesLegalCellsAndGoWhenTheTurnEnds)
{
    const MarkCase& c = GetParam();
    create(c.size, 61, c.scoring);
    control<QCheckBox>(*boot, "rotation")->setChecked(true);
    newGame();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    control<QAction>(*form, "ShowLegal")->setChecked(true);
    bool rotated = false;
    for (int i = 0; i < c.moves || (c.untilRotation && !rotated && i < 400); ++i)
        rotated = playFirstLegal() || rotated;
    ASSERT_TRUE(rotated || !c.untilRotation);
    ASSERT_FALSE(form->game().gameOver());
    EXPECT_TRUE(boardGrid()->marks().empty()) << "no mark outside the station's turn";
    openTurn();
    const std::vector<QPoint> legal = legalPoints();
    ASSERT_FALSE(legal.empty());
    EXPECT_EQ(boardGrid()->marks(), legal);
    const QImage shot = board();
    EXPECT_TRUE(std::all_of(legal.begin(), legal.end(), [&](QPoint p) { return isMarked(shot, p); }));
    form->match().TableSelectCell(legal.front().x(), legal.front().y());
    EXPECT_TRUE(boardGrid()->marks().empty());
    const QImage after = board();
    EXPECT_TRUE(std::none_of(legal.begin(), legal.end(), [&](QPoint p) { return isMarked(after, p); }));
}

INSTANTIATE_TEST_SUITE_P(Boards, LegalMarks,
                         testing::Values(MarkCase{"Points6", 6, rules::Scoring::Points, 0, false},
                                         MarkCase{"Count8", 8, rules::Scoring::Count, 6, false},
                                         MarkCase{"Points13", 13, rules::Scoring::Points, 9, false},
                                         MarkCase{"AfterARotation", 8, rules::Scoring::Points, 0, true}),
                         testing::PrintToStringParamName());

// Moves of random games on a 6 x 6 board up to a turn of seat 1 with no legal cell.
std::vector<rules::Cell> toAForcedPass()
{
    for (unsigned seed = 0; seed < 500; ++seed) {
        std::mt19937 rng(seed);
        auto position = rules::Position::newGame(6, rules::Scoring::Points, false);
        std::vector<rules::Cell> moves;
        while (!position.over()) {
            const auto cells = position.legalCells();
            if (cells.empty() && position.toMove() == 1)
                return moves;
            const rules::Cell cell = cells.empty() ? rules::Pass : cells[rng() % cells.size()];
            moves.push_back(cell);
            position.play(cell);
        }
    }
    return {};
}

// The player sees and hears why the board shows no mark, and the keys go to the pass button.
TEST_F(AidsTest, ATurnWithNoLegalCellIsSaid)
{
    const auto moves = toAForcedPass();
    ASSERT_FALSE(moves.empty());
    create(6);
    control<QCheckBox>(*boot, "rotation")->setChecked(false);
    newGame();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (const rules::Cell cell : moves)
        playAsMover(cell);
    openTurn();
    const QString said = QStringLiteral("打てる所がありません：パスです");
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), said);
    EXPECT_EQ(boardGrid()->accessibleDescription(), said);
    EXPECT_EQ(form->focusWidget(), control<QPushButton>(*form, "BtnPass"));
    form->match().BtnPassClick();
    EXPECT_TRUE(boardGrid()->accessibleDescription().isEmpty()) << "said for that turn only";
}

TEST_F(AidsTest, LegalCellSwitchIsOffAtFirstFollowsLAndIsRemembered)
{
    startShown(8);
    EXPECT_FALSE(control<QAction>(*form, "ShowLegal")->isChecked());
    openTurn();
    EXPECT_TRUE(boardGrid()->marks().empty());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(boardGrid(), Qt::Key_L);
    EXPECT_TRUE(control<QAction>(*form, "ShowLegal")->isChecked());
    EXPECT_EQ(boardGrid()->marks(), legalPoints());
    create(8); // a new start reads what the switch was left at
    EXPECT_TRUE(control<QAction>(*form, "ShowLegal")->isChecked());
}

TEST_F(AidsTest, HintIsALegalCellThatStaysAWhileAndPlaysNothing)
{
    startShown(8);
    openTurn();
    const auto before = form->game().board();
    control<QAction>(*form, "HintAction")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boardGrid()->hint().has_value(); }, 10000));
    const auto legal = legalPoints();
    EXPECT_NE(std::find(legal.begin(), legal.end(), *boardGrid()->hint()), legal.end());
    EXPECT_EQ(form->game().board(), before);
    EXPECT_TRUE(form->match().myTurn()) << "a move announced would have closed the turn";
    EXPECT_EQ(form->game().curPlayer(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boardGrid()->hint().has_value(); }, 5000));
}

// What the screen shows, not what the board holds: a mark repainted while still the hint stays.
TEST_F(AidsTest, HintShowsOneMarkAtATimeUntilItsTimeIsUpOrTheNextH)
{
    startShown(8);
    openTurn();
    control<QAction>(*form, "HintAction")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hintedOnScreen().size() == 1; }, 10000));
    const QPoint first = hintedOnScreen().front();
    EXPECT_EQ(boardGrid()->hint(), first);
    control<QAction>(*form, "HintAction")->trigger();
    EXPECT_TRUE(hintedOnScreen().empty()) << "the next H takes the mark away at once";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hintedOnScreen().empty(); }, 10000));
    EXPECT_EQ(hintedOnScreen().size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hintedOnScreen().empty(); }, 5000));
    EXPECT_FALSE(boardGrid()->hint().has_value());
}

TEST_F(AidsTest, HintForATurnThatHasEndedIsDropped)
{
    startShown(8);
    control<QAction>(*form, "HintAction")->trigger(); // not this station's turn
    openTurn();
    control<QAction>(*form, "HintAction")->trigger();
    form->match().BtnPassClick();
    QTest::qWait(600);
    EXPECT_FALSE(boardGrid()->hint().has_value());
}

TEST_F(AidsTest, KeysMoveTheCursorWithoutPlayingAndEnterPlaysThere)
{
    startShown(8);
    openTurn();
    EXPECT_EQ(form->focusWidget(), boardGrid()) << "the board takes the keys when the turn begins";
    const QPoint target = legalPoints().front();
    const auto before = form->game().board();
    QTest::keyClick(boardGrid(), Qt::Key_Home);
    QTest::keyClick(boardGrid(), Qt::Key_PageUp);
    for (int i = 0; i < target.x(); ++i)
        QTest::keyClick(boardGrid(), Qt::Key_Right);
    for (int i = 0; i < target.y(); ++i)
        QTest::keyClick(boardGrid(), Qt::Key_Down);
    EXPECT_EQ(form->game().board(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return board().pixelColor(target * 25 + QPoint(1, 12)) == QColor(0, 230, 255); }))
        << "the cursor's frame";
    QTest::keyClick(boardGrid(), Qt::Key_Return);
    EXPECT_EQ(form->game().board()[target.x()][target.y()], 1);
    EXPECT_FALSE(form->match().myTurn());
}

TEST_F(AidsTest, BetweenTurnsSpaceTicksNoCheckBox)
{
    startShown(8);
    openTurn();
    QTest::mouseClick(boardGrid(), Qt::LeftButton, {}, QPoint(1 * 25 + 12, 3 * 25 + 12));
    ASSERT_FALSE(form->match().myTurn());
    QWidget* focused = form->focusWidget() ? form->focusWidget() : form.get();
    QTest::keyClick(focused, Qt::Key_Space);
    EXPECT_FALSE(control<QCheckBox>(*form, "AutoPass")->isChecked());
    openTurn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->match().myTurn(); }, 2000));
    EXPECT_EQ(form->focusWidget(), boardGrid());
}

TEST_F(AidsTest, HowToPlayOpensFromBothWindowsWithItsPictures)
{
    create(8);
    QTest::mouseClick(control<QToolButton>(*boot, "BtnHelp"), Qt::LeftButton);
    auto* help = form->findChild<ui::HowToPlay*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
    control<QAction>(*form, "HelpAction")->trigger();
    EXPECT_EQ(form->findChildren<ui::HowToPlay*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->Text->toPlainText();
    for (const char* topic : {"得点制", "個数制", "宝石回転", "パス", "自動適当打ち", "待機開始"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    const QVariant start = help->Text->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:0")));
    EXPECT_EQ(start.value<QImage>().size(), QSize(6 * 25 - 1, 6 * 25 - 1));
}

// A text picture's cells get the pieces they name, on the board's own colour.
TEST_F(AidsTest, HelpPicturesDrawTheNamedPieces)
{
    create(8);
    ui::Pictures pictures;
    for (int i = 0; i < 10; ++i)
        pictures[std::size_t(i)] = form->image(i);
    const QImage image = ui::howto::board(pictures, {QStringLiteral("1."), QStringLiteral(".D")});
    EXPECT_EQ(quarter(image, 0, 0, 1), testimg::piece(1));
    EXPECT_EQ(quarter(image, 1, 1, 1), testimg::piece(8));
    EXPECT_EQ(quarter(image, 1, 0, 1), ui::BoardGrid::BoardColour);
}

} // namespace
