#include "match/computerguest.h"
#include "match/computerseat.h"
#include "match/station.h"
#include "tests/support/webdriver.h"

#include <gtest/gtest.h>
#include <set>

// A real headless Chromium at the host's page, with a guest station and a computer player: four
// stations at one table.
namespace {

QString cellPosition(int col, int row)
{
    return QChar(u'A' + col) + QString::number(row + 1);
}

// The cells the page offers, by position ("C4"), from their names ("C4、空き、打てる").
std::set<QString> offered(WebDriver& page)
{
    std::set<QString> cells;
    for (const QJsonValue& v : page.run(QStringLiteral("return [...document.querySelectorAll('[role=gridcell]')]"
                                                       ".map(c => c.getAttribute('aria-label'))"
                                                       ".filter(n => n.endsWith('、打てる'))"))
                                   .toArray())
        cells.insert(v.toString().section(u'、', 0, 0));
    return cells;
}

std::set<QString> legal(const rules::Game& game)
{
    std::set<QString> cells;
    for (const auto& [col, row] : game.legalCells())
        cells.insert(cellPosition(col, row));
    return cells;
}

// The board as the page draws it, in the cell codes of the game, row by row.
QString pageBoard(WebDriver& page)
{
    return page
        .run(QStringLiteral("return [...document.querySelectorAll('[role=gridcell]')]"
                            ".map(c => c.className.match(/c(\\d)/)[1]).join('')"))
        .toString();
}

QString boardOf(const rules::Game& game)
{
    QString codes;
    for (int row = 0; row < game.boardSize(); ++row)
        for (int col = 0; col < game.boardSize(); ++col)
            codes += QString::number(game.board()[col][row]);
    return codes;
}

class BrowserPage : public testing::Test {
protected:
    void SetUp() override
    {
        if (!page.ok())
            GTEST_SKIP() << "Chromium or chromedriver is not installed";
        host.host(QStringLiteral("0"), QStringLiteral("host"));
        host.browsers().listen(0);
        guest.setAutoPlay(true);
        QObject::connect(&guest, &match::Station::chatLine, [this](const QString& l) { guestHeard << l; });
        guest.join(QStringLiteral("127.0.0.1"), QString::number(host.port()), QStringLiteral("guest"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 2; }, 5000));
    }
    bool pageShows(const QString& css, const QString& text)
    {
        return QTest::qWaitFor(
            [&] { return page.run("return document.querySelector('" + css + "').textContent").toString().contains(text); },
            5000);
    }
    // The page's turn, once it shows the board as it stands: the host waits for it alone.
    bool pageToMove()
    {
        const rules::Game& game = host.match().game();
        return !game.gameOver() && game.curPlayer() == 3 && pageBoard(page) == boardOf(game) &&
               (!offered(page).empty() || passOpen());
    }
    // Clicks every turn of seat 3 until the game ends; reloads the page once, after `reloadAfter` moves.
    void playToTheEnd(int reloadAfter)
    {
        const rules::Game& game = host.match().game();
        int clicks = 0;
        while (QTest::qWaitFor([&] { return game.gameOver() || pageToMove(); }, 20000) && !game.gameOver()) {
            const std::size_t before = game.moves().size();
            const std::set<QString> cells = offered(page);
            ASSERT_EQ(cells, legal(game)) << "after " << before << " moves";
            page.click(cells.empty() ? page.find("#pass")
                                     : page.findAll("[role=gridcell][aria-label$='、打てる']").value(0));
            EXPECT_TRUE(QTest::qWaitFor([&] { return guest.match().game().moves().size() > before; }, 500))
                << "the page's move reached the guest within 500 ms";
            ASSERT_TRUE(QTest::qWaitFor([&] { return game.moves().size() > before; }, 5000));
            if (++clicks == reloadAfter) {
                page.refresh();
                EXPECT_TRUE(pageShows("#seats", "花子"));
                EXPECT_TRUE(QTest::qWaitFor([&] { return pageBoard(page) == boardOf(game); }, 5000))
                    << "the board as it stands after the reload";
            }
        }
        EXPECT_GT(clicks, reloadAfter);
    }
    bool passOpen() { return page.run(QStringLiteral("return !document.getElementById('pass').disabled")).toBool(); }

    WebDriver page;
    match::Station host;
    match::Station guest;
    QStringList guestHeard;
};

TEST_F(BrowserPage, JoinsChatsPlaysEveryTurnToTheEndAndComesBackAfterAReload)
{
    page.go(QStringLiteral("http://127.0.0.1:%1/").arg(host.browsers().web().port()));
    page.type(page.find("[aria-label='お名前']"), QStringLiteral("花子"));
    page.click(page.find("#join"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 3; }, 5000));
    guest.sendChat(QStringLiteral("guest：ようこそ"));
    EXPECT_TRUE(pageShows("#log", "guest：ようこそ"));
    page.type(page.find("[aria-label='発言']"), QStringLiteral("よろしく"));
    page.click(page.find("#send"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return guestHeard.contains(QStringLiteral("花子：よろしく")); }, 5000));

    match::ComputerGuest cpu(QStringLiteral("CPU"), ai::Level::Random);
    cpu.connectTo(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 4; }, 5000));
    host.setNextSettings(rules::Settings{});
    host.startGame();
    match::ComputerSeat hostSeat(ai::Level::Random);
    host.match().setPlayer(1, &hostSeat);

    playToTheEnd(3);
    EXPECT_TRUE(pageShows("#status", "ゲーム終了"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.match().game().gameOver() && cpu.game().gameOver(); }, 5000));
    EXPECT_EQ(pageBoard(page), boardOf(host.match().game()));
    EXPECT_EQ(boardOf(guest.match().game()), boardOf(host.match().game()));
    EXPECT_EQ(cpu.game().moves(), host.match().game().moves());
    host.match().setPlayer(1, nullptr);
}

} // namespace
