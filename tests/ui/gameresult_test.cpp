#include "main_fixture.h"
#include "tests/support/controls.h"
#include "ui/gameresult.h"
#include "ui/language.h"
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace {

using rules::Scoring;

TEST(ResultChatLine, NamesEveryPlaceWithItsScoreInTheUnitOfTheRule)
{
    const std::vector<rules::Place> places{{1, 2, "青", 58}, {1, 4, "黒", 58}, {3, 1, "赤", 40}, {4, 3, "緑", 2}};
    EXPECT_EQ(ui::resultChatLine(places, Scoring::Points),
              QStringLiteral("◆結果　1位 青 58点、1位 黒 58点、3位 赤 40点、4位 緑 2点"));
    EXPECT_EQ(ui::resultChatLine(places, Scoring::Count),
              QStringLiteral("◆結果　1位 青 58個、1位 黒 58個、3位 赤 40個、4位 緑 2個"));
    EXPECT_TRUE(ui::resultPanelText(places, Scoring::Count).contains(QStringLiteral("58個")));
    EXPECT_FALSE(ui::resultPanelText(places, Scoring::Count).contains(QStringLiteral("点")));
}

TEST(ResultChatLine, NameThatLooksLikeAPlaceholderStaysAsTyped)
{
    EXPECT_EQ(ui::resultChatLine({{1, 1, "%3%2", 9}}, Scoring::Points), QStringLiteral("◆結果　1位 %3%2 9点"));
}

TEST(ResultPanelText, KeepsNamesAsTextNotMarkup)
{
    const QString text = ui::resultPanelText({{1, 1, "<b>x&y</b>", 3}}, Scoring::Points);
    EXPECT_TRUE(text.contains("&lt;b&gt;x&amp;y&lt;/b&gt;")) << text.toStdString();
}

class GameResultWindow : public MainFormTest {
protected:
    QString lastChatLine() const
    {
        const QStringList lines = control<QPlainTextEdit>(*boot, "Chat")->toPlainText().split('\n');
        return lines.back();
    }
    void finish(std::array<int, 5> scores)
    {
        const rules::Position& now = form->game().position();
        form->match().resume(rules::Position(now.board(), now.toMove(), scores, now.scoring(), false));
        form->showEnd();
    }
};

class GameResultOnBoard : public GameResultWindow, public testing::WithParamInterface<int> {};

TEST_P(GameResultOnBoard, EndOfGameShowsTheRankingBesideTheBoardAndInTheChat)
{
    const int size = GetParam();
    startShown(size);
    finish({0, 12, 30, 12, 7});
    EXPECT_TRUE(control<QLabel>(*form, "PanelResult")->isVisible());
    const QRect result = control<QLabel>(*form, "PanelResult")->geometry();
    EXPECT_FALSE(result.intersects(boardGrid()->geometry()));
    EXPECT_FALSE(result.intersects(control<QFrame>(*form, "Panel")->geometry()));
    EXPECT_LE(result.bottom(), control(*form, "StatusBar")->geometry().top()) << "above the status bar, N = ";
    const QString text = control<QLabel>(*form, "PanelResult")->text();
    for (const char* seat : {"赤", "青", "緑", "黒"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(seat))) << seat;
    EXPECT_EQ(lastChatLine(), QStringLiteral("◆結果　1位 青 30点、2位 赤 12点、2位 緑 12点、4位 黒 7点"));
}

INSTANTIATE_TEST_SUITE_P(, GameResultOnBoard, testing::Values(8, 26),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

// Long names are shortened in the result, whole in its tooltip; the board keeps its size, in
// both languages.
TEST_F(GameResultWindow, LongNamesLeaveTheBoardItsSize)
{
    const QString longName = QStringLiteral("CPU1 (Strongest, on every core)");
    for (const auto language : {ui::Language::Japanese, ui::Language::English}) {
        const auto translator = ui::translatorFor(language);
        if (translator)
            QCoreApplication::installTranslator(translator.get());
        create(8);
        form->match().start(boot->gameSettings(), 1, {longName, longName + u'2', longName + u'3', longName + u'4'});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        const QSize board = boardGrid()->size();
        finish({0, 12, 151, 12, 7});
        EXPECT_EQ(boardGrid()->size(), board);
        const auto* result = control<QLabel>(*form, "PanelResult");
        EXPECT_LE(result->width(), control<QFrame>(*form, "Panel")->width());
        EXPECT_FALSE(result->text().contains(longName));
        EXPECT_TRUE(result->toolTip().contains(longName + u'2'));
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
    }
}

TEST_F(GameResultWindow, NewGameTakesAwayTheResultAndTheOldStatusTexts)
{
    startShown();
    openTurn();
    hover(30, 30);
    EXPECT_FALSE(control<QStatusBar>(*form, "StatusBar")->currentMessage().isEmpty());
    finish({0, 5, 5, 5, 5});
    EXPECT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("終了！"));
    const QString chat = control<QPlainTextEdit>(*boot, "Chat")->toPlainText();
    newGame();
    EXPECT_FALSE(control<QLabel>(*form, "PanelResult")->isVisible());
    EXPECT_TRUE(control<QStatusBar>(*form, "StatusBar")->currentMessage().isEmpty());
    EXPECT_EQ(control<QPlainTextEdit>(*boot, "Chat")->toPlainText(), chat) << "the chat keeps the line";
}

} // namespace
