#include "tests/support/computergame.h"
#include "ui/boardgrid.h"
#include "ui/chancegraph.h"
#include "ui/replaywindow.h"
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Enough playouts that a game of random and greedy players shows mistakes beyond the search's spread.
constexpr int Effort = ai::UsualEffort;

int threadsOfThisProcess()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

class ReplayAnalysis : public testing::Test {
protected:
    bool analyse()
    {
        window.startAnalysis(Effort);
        return QTest::qWaitFor([this] { return !window.analysing(); }, 60000);
    }
    record::Record game = computerGame(5, 6, rules::Scoring::Points, false);
    ui::BoardImages images{}; // a null picture draws nothing
    ui::ReplayWindow window{record::Reading{game, {}, 0}, images, {}};
};

// The list marks the mistakes, and at a mistake the board marks the cell the search preferred.
TEST_F(ReplayAnalysis, MarksTheMistakesAndShowsThePreferredCellAtEach)
{
    EXPECT_TRUE(window.graph()->isHidden());
    ASSERT_TRUE(analyse());
    const auto& reviews = window.reviews();
    ASSERT_EQ(reviews.size(), game.moves.size());
    EXPECT_FALSE(window.graph()->isHidden());
    EXPECT_FALSE(window.analyzeButton()->isEnabled());
    int mistakes = 0;
    for (int move = 1; move <= window.lastMove(); ++move) {
        const ai::MoveReview& review = reviews[std::size_t(move - 1)];
        window.showMove(move);
        EXPECT_EQ(window.moveList()->item(move)->text().contains(QStringLiteral("悪手")), review.mistake()) << move;
        const auto expected = review.mistake() ? std::optional(QPoint(review.preferred.col, review.preferred.row))
                                               : std::nullopt;
        EXPECT_EQ(window.board()->hint(), expected) << move;
        EXPECT_EQ(window.graph()->current(), move);
        mistakes += review.mistake() ? 1 : 0;
    }
    EXPECT_GT(mistakes, 0) << "a game of random and greedy players has its mistakes";
}

TEST_F(ReplayAnalysis, AClickOnTheGraphShowsThatMove)
{
    ASSERT_TRUE(analyse());
    window.resize(600, 500);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ui::ChanceGraph* graph = window.graph();
    for (const int move : {5, 0, window.lastMove()}) {
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->columnOf(move), graph->height() / 2));
        EXPECT_EQ(window.shownMove(), move);
    }
}

// The board's cursor stays where it was: the keys belong to the replay.
TEST_F(ReplayAnalysis, TheArrowKeysStepThroughTheMovesEvenOnTheBoard)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.board(), Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_TRUE(window.board()->hasFocus());
    QTest::keyClick(window.board(), Qt::Key_Right);
    QTest::keyClick(window.board(), Qt::Key_Right);
    EXPECT_EQ(window.shownMove(), 2);
    QTest::keyClick(window.moveList(), Qt::Key_Left);
    EXPECT_EQ(window.shownMove(), 1);
    EXPECT_FALSE(window.board()->cursorShown());
}

// Cancelled, or its window closed while it runs: no thread is left behind.
TEST_F(ReplayAnalysis, ACancelledAnalysisLeavesNoThreadAndCanStartAgain)
{
    const int before = threadsOfThisProcess();
    window.startAnalysis(ai::MaxEffort);
    window.cancelAnalysis();
    EXPECT_FALSE(window.analysing());
    EXPECT_EQ(threadsOfThisProcess(), before);
    EXPECT_TRUE(window.reviews().empty());
    EXPECT_TRUE(window.analyzeButton()->isEnabled());
    QPointer closed = new ui::ReplayWindow(record::Reading{game, {}, 0}, images, {});
    closed->startAnalysis(ai::MaxEffort);
    closed->close(); // deletes itself
    ASSERT_TRUE(QTest::qWaitFor([&closed] { return closed.isNull(); }));
    EXPECT_EQ(threadsOfThisProcess(), before);
    EXPECT_TRUE(analyse());
}

// The graph takes room from the list when it appears; the move shown must not scroll away.
TEST_F(ReplayAnalysis, TheMoveShownStaysInViewWhenTheResultAppears)
{
    window.resize(500, 380);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.showMove(window.lastMove());
    ASSERT_TRUE(analyse());
    QListWidget* list = window.moveList();
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
}

} // namespace
