#include "record/recordstore.h"
#include "tests/support/playedgame.h"
#include "ui/boardgrid.h"
#include "ui/chancegraph.h"
#include "ui/recordswindow.h"
#include "ui/replaywindow.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

using record::Record;

namespace {

ui::BoardImages plainImages()
{
    ui::BoardImages images;
    for (std::size_t code = 0; code < images.size(); ++code) {
        QPixmap p(24, 24);
        p.fill(QColor(20 * int(code), 100, 50));
        images[code] = p;
    }
    return images;
}

Record playedGame(unsigned seed, const QStringList& names)
{
    std::mt19937 random(seed);
    Record game = ::playedGame(random, 6, rules::Scoring::Points, false);
    game.played = QDateTime(QDate(2026, 12, 8), QTime(20, int(seed % 60)), QTimeZone::utc());
    for (int i = 0; i < 4; ++i)
        game.names[std::size_t(i)] = names[i];
    return game;
}

const QStringList Four{QStringLiteral("あおい"), QStringLiteral("Bob"), QStringLiteral("Carol"), QStringLiteral("Dave")};

} // namespace

// The board shows each position of the replay, the last move marked, and the result at the end.
TEST(ReplayWindow, ShowsEachPositionAndTheResultAtTheEnd)
{
    const Record game = playedGame(1, Four);
    const ui::BoardImages images = plainImages();
    ui::ReplayWindow window(record::Reading{game, {}, 0}, images, {});
    window.showMove(1);
    // Shown only now, the board starts clean and must show the move again.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const record::Replay replay(game);
    for (const int played : {1, 0, replay.moves() / 2, replay.moves()}) {
        window.showMove(played);
        const auto& board = replay.after(played).board();
        const record::Move* last = played > 0 ? &game.moves[std::size_t(played - 1)] : nullptr;
        for (int col = 0; col < 6; ++col)
            for (int row = 0; row < 6; ++row) {
                const bool marked = last && last->col == col && last->row == row;
                EXPECT_EQ(window.board()->look(col, row), (ui::BoardGrid::Look{board[col][row], marked, false})) << played;
            }
        EXPECT_EQ(window.moveList()->currentRow(), played);
        EXPECT_EQ(window.result()->text().contains(QStringLiteral("結果")), played == replay.moves());
    }
    window.showMove(replay.moves() + 5);
    EXPECT_EQ(window.shownMove(), replay.moves());
    window.moveList()->setCurrentRow(2);
    EXPECT_EQ(window.shownMove(), 2);
}

TEST(ReplayWindow, PlaysOnToTheEndAndStops)
{
    Record game = playedGame(2, Four);
    game.moves.resize(3);
    game.finalScores.reset();
    const ui::BoardImages images = plainImages();
    ui::ReplayWindow window(record::Reading{game, {}, 0}, images, {});
    window.setPlaying(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.playing(); }, 10000));
    EXPECT_EQ(window.shownMove(), 3);
}

TEST(ReplayWindow, ADamagedRecordSaysWhereItStops)
{
    const Record game = playedGame(3, Four);
    QByteArray text = record::recordText(game);
    text.replace("move 1 ", "move 3 ");
    const auto reading = record::readRecord(text);
    ASSERT_TRUE(reading.game.has_value());
    const ui::BoardImages images = plainImages();
    ui::ReplayWindow window(reading, images, {});
    EXPECT_EQ(window.lastMove(), 0);
    EXPECT_TRUE(window.problem()->text().startsWith(QStringLiteral("1手目")));
}

// The list and the standings follow the folder and the name typed in the filter.
TEST(RecordsWindow, ListsGamesNewestFirstAndFiltersByName)
{
    QTemporaryDir dir;
    record::saveRecord(dir.path(), playedGame(4, Four));
    record::saveRecord(dir.path(), playedGame(5, {QStringLiteral("あおい"), QStringLiteral("Eve"), QStringLiteral("Carol"), QStringLiteral("Fay")}));
    Record unfinished = playedGame(6, Four);
    unfinished.finalScores.reset();
    record::saveRecord(dir.path(), unfinished);
    const ui::BoardImages images = plainImages();
    ui::RecordsWindow window(dir.path(), images, {});
    EXPECT_EQ(window.games()->rowCount(), 3);
    EXPECT_EQ(window.games()->item(0, 4)->text(), QStringLiteral("（未完了）")); // minute 6: the newest
    EXPECT_EQ(window.standings()->rowCount(), 6);
    window.setFilter(QStringLiteral("eve"));
    EXPECT_EQ(window.games()->rowCount(), 1);
    ASSERT_EQ(window.standings()->rowCount(), 1);
    EXPECT_EQ(window.standings()->item(0, 1)->text(), QStringLiteral("1"));
    window.setFilter(QStringLiteral("あおい"));
    EXPECT_EQ(window.standings()->item(0, 1)->text(), QStringLiteral("2"));
    EXPECT_NE(window.openGame(0), nullptr);
    EXPECT_EQ(window.openGame(7), nullptr);
}

// The board, the list and the graph take the room of a larger window; a long name gives way.
TEST(ReplayWindow, FollowsTheWindowSizeAndShortensLongNames)
{
    const QString longName = QStringLiteral("CPU1 (Strongest, on every core)");
    const Record game = playedGame(2, {longName, Four[1], Four[2], Four[3]});
    ui::ReplayWindow window(record::Reading{game, {}, 0}, plainImages(), {});
    window.graph()->show();
    window.resize(640, 480);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize board = window.board()->size();
    const int list = window.moveList()->height();
    const int graph = window.graph()->height();
    window.resize(1300, 950);
    QApplication::processEvents();
    EXPECT_GT(window.board()->width(), board.width() * 3 / 2);
    EXPECT_GT(window.moveList()->height(), list);
    EXPECT_GT(window.graph()->height(), graph);
    window.resize(400, 300);
    QApplication::processEvents();
    const auto names = window.findChildren<QLabel*>();
    const auto shortened = std::find_if(names.begin(), names.end(), [&](QLabel* l) { return l->toolTip() == longName; });
    ASSERT_NE(shortened, names.end());
    EXPECT_TRUE((*shortened)->text().endsWith(QStringLiteral("…")));
}
