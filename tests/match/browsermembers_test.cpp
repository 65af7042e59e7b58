#include "match/station.h"
#include "tests/match/pageclient.h"

#include <QJsonArray>
#include <gtest/gtest.h>
#include <memory>

// The host's side of browsers over real loopback sockets: a page is a member, plays only its
// own seat, comes back only with its secret, and a faulty page harms nobody else.
namespace {

class BrowserHost : public testing::Test {
protected:
    void SetUp() override
    {
        station.host(QStringLiteral("0"), QStringLiteral("host"));
        station.browsers().listen(0);
        port = station.browsers().web().port();
    }
    std::unique_ptr<PageClient> join(const QString& name, const QString& secret = {})
    {
        auto page = std::make_unique<PageClient>(port);
        EXPECT_TRUE(page->opened());
        QJsonObject frame{{"t", "join"}, {"name", name}};
        if (!secret.isEmpty())
            frame["secret"] = secret;
        page->send(frame);
        EXPECT_FALSE(page->last("joined").isEmpty());
        return page;
    }
    // Three pages in seats 2 to 4 of an 8 × 8 game without a time limit.
    void startWithThreePages()
    {
        for (const char* name : {"b", "c", "d"})
            pages.push_back(join(QString::fromLatin1(name)));
        station.setNextSettings(rules::Settings{});
        station.startGame();
        for (auto& p : pages)
            ASSERT_FALSE(p->last("state").isEmpty());
    }
    QJsonObject move(rules::Cell c) { return {{"t", "move"}, {"col", c.col}, {"row", c.row}}; }
    rules::Cell firstLegal() const
    {
        const auto [col, row] = station.match().game().legalCells().front();
        return {col, row};
    }

    match::Station station;
    quint16 port = 0;
    std::vector<std::unique_ptr<PageClient>> pages;
};

TEST_F(BrowserHost, APageIsAMemberAndChatsBothWays)
{
    QStringList heard;
    QObject::connect(&station, &match::Station::chatLine, [&](const QString& l) { heard << l; });
    auto page = join(QStringLiteral("<b>花子</b>"));
    EXPECT_EQ(station.members(), (QStringList{"host", "<b>花子</b>"}));
    EXPECT_EQ(page->last("joined")["secret"].toString().size(), 32);
    page->send({{"t", "chat"}, {"text", "こんにちは"}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.contains(QStringLiteral("<b>花子</b>：こんにちは")); }, 5000));
    station.sendChat(QStringLiteral("host：ようこそ"));
    EXPECT_EQ(page->last("chat")["line"], QStringLiteral("host：ようこそ"));
}

TEST_F(BrowserHost, APageMovesOnlyForItsSeatOnItsTurnOnALegalCell)
{
    startWithThreePages();
    station.match().playFor(1, firstLegal(), true); // seat 2 is to move
    EXPECT_TRUE(pages[0]->state(1)["yourTurn"].toBool());
    EXPECT_FALSE(pages[1]->state(1)["yourTurn"].toBool());
    pages[1]->send(move(firstLegal())); // seat 3 out of turn
    EXPECT_FALSE(pages[1]->last("refused").isEmpty());
    pages[0]->send(move({0, 0})); // a corner takes nothing at the start
    EXPECT_FALSE(pages[0]->last("refused").isEmpty());
    const rules::Cell legal = firstLegal();
    pages[0]->send(move(legal));
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.match().game().moves().size() == 2; }, 5000));
    EXPECT_EQ(station.match().game().moves().back(), legal);
    EXPECT_EQ(pages[2]->state(2)["last"].toArray(), (QJsonArray{legal.col, legal.row}));
}

TEST_F(BrowserHost, OnlyTheSecretTakesABrowsersSeatBack)
{
    startWithThreePages();
    const QString secret = pages[0]->last("joined")["secret"].toString();
    pages[0]->socket.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.members().size() == 3; }, 5000));
    auto impostor = join(QStringLiteral("b"));
    EXPECT_EQ(impostor->last("state")["seat"].toInt(), 0);
    impostor->socket.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.members().size() == 3; }, 5000));
    auto back = join(QStringLiteral("whoever"), secret);
    EXPECT_EQ(back->last("joined")["name"], "b");
    EXPECT_EQ(back->last("state")["seat"].toInt(), 2);
    EXPECT_EQ(station.members()[1], "b");
}

TEST_F(BrowserHost, AGuestUnderABrowsersNameDoesNotTakeItsSeat)
{
    startWithThreePages();
    pages[0]->socket.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.members().size() == 3; }, 5000));
    match::Station guest;
    guest.join(QStringLiteral("127.0.0.1"), QString::number(station.port()), QStringLiteral("b"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.members().size() == 4; }, 5000));
    EXPECT_EQ(station.members(), (QStringList{"host", "c", "d", "b"})) << "a returning seat would stand second";
}

TEST_F(BrowserHost, AFaultyPageIsDroppedAndTheOthersPlayOn)
{
    startWithThreePages();
    pages[1]->send({{"t", "join"}, {"name", "again"}});
    EXPECT_TRUE(pages[1]->closed());
    pages[2]->socket.sendTextMessage(QString(net::MaxPageFrameBytes * 2, u'x'));
    EXPECT_TRUE(pages[2]->closed());
    auto junk = std::make_unique<PageClient>(port);
    ASSERT_TRUE(junk->opened());
    junk->socket.sendTextMessage(QStringLiteral("{not json"));
    EXPECT_TRUE(junk->closed());
    station.match().playFor(1, firstLegal(), true);
    pages[0]->send(move(firstLegal()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return station.match().game().moves().size() == 2; }, 5000));
}

TEST_F(BrowserHost, AnotherOriginIsNotUpgraded)
{
    PageClient stranger(port, QStringLiteral("http://evil.example"));
    EXPECT_FALSE(stranger.opened());
    EXPECT_EQ(station.members().size(), 1);
}

} // namespace
