#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include "ui/analysisoffer.h"
#include "ui/replaywindow.h"

namespace {

// The game window's record of the game just ended opens analysed; a new game withdraws it.
TEST_F(MainFormTest, AnEndedGameOffersItsAnalysisUntilTheNextStarts)
{
    create(6);
    newGame();
    EXPECT_TRUE(control<ui::AnalysisOffer>(*form, "AnalyzeGame")->isHidden());
    for (int pass = 0; pass < 4; ++pass)
        playAsMover(rules::Pass);
    ASSERT_TRUE(form->game().gameOver());
    EXPECT_FALSE(control<ui::AnalysisOffer>(*form, "AnalyzeGame")->isHidden());
    ui::ReplayWindow* replay = control<ui::AnalysisOffer>(*form, "AnalyzeGame")->openAnalysis();
    ASSERT_NE(replay, nullptr);
    EXPECT_EQ(replay->lastMove(), 4);
    ASSERT_TRUE(QTest::qWaitFor([replay] { return !replay->analysing(); }, 60000));
    EXPECT_EQ(replay->reviews().size(), 4u);
    newGame();
    EXPECT_TRUE(control<ui::AnalysisOffer>(*form, "AnalyzeGame")->isHidden());
}

} // namespace
