#include "net/httphead.h"
#include "net/pageprotocol.h"
#include "tests/support/namedcase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

// The page's protocol without sockets: what the host reads from a page, what it writes to one.
namespace {

using Kind = net::PageRequest::Kind;

struct Request : NamedCase {
    const char* frame;
    std::optional<Kind> kind; // none: refused
};

class PageRequests : public testing::TestWithParam<Request> {};

TEST_P(PageRequests, AreReadOnlyWhenWellFormed)
{
    const auto r = net::parsePageRequest(GetParam().frame);
    ASSERT_EQ(r.has_value(), GetParam().kind.has_value());
    if (r) {
        EXPECT_EQ(r->kind, *GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, PageRequests,
    testing::Values(Request{{"Join"}, R"({"t":"join","name":"花子"})", Kind::Join},
                    Request{{"JoinWithSecret"}, R"({"t":"join","name":"a","secret":"00ff"})", Kind::Join},
                    Request{{"SecretNotText"}, R"({"t":"join","name":"a","secret":7})", std::nullopt},
                    Request{{"JoinWithoutName"}, R"({"t":"join"})", std::nullopt},
                    Request{{"Chat"}, R"({"t":"chat","text":"<b>hi</b>"})", Kind::Chat},
                    Request{{"ChatNotText"}, R"({"t":"chat","text":["x"]})", std::nullopt},
                    Request{{"Move"}, R"({"t":"move","col":3,"row":4})", Kind::Move},
                    Request{{"MoveFractional"}, R"({"t":"move","col":3.5,"row":4})", std::nullopt},
                    Request{{"MoveNegative"}, R"({"t":"move","col":-1,"row":-1})", std::nullopt},
                    Request{{"MoveFarOff"}, R"({"t":"move","col":1e9,"row":0})", std::nullopt},
                    Request{{"MoveAsText"}, R"({"t":"move","col":"3","row":"4"})", std::nullopt},
                    Request{{"Pass"}, R"({"t":"pass"})", Kind::Pass},
                    Request{{"UnknownKind"}, R"({"t":"seat","seat":1})", std::nullopt},
                    Request{{"Array"}, R"([1,2])", std::nullopt},
                    Request{{"Junk"}, "\xff\xfe{", std::nullopt},
                    Request{{"Empty"}, "", std::nullopt}),
    byName);

TEST(PageRequest, LongerThanAFrameMayBeIsRefused)
{
    const QByteArray text(net::MaxPageFrameBytes, 'a');
    EXPECT_FALSE(net::parsePageRequest(R"({"t":"chat","text":")" + text + R"("})"));
}

TEST(PageRequest, CarriesCellNameAndSecret)
{
    EXPECT_EQ(net::parsePageRequest(R"({"t":"move","col":3,"row":4})")->cell, (rules::Cell{3, 4}));
    const auto join = net::parsePageRequest(R"({"t":"join","name":"花子","secret":"ab"})");
    EXPECT_EQ(join->text, QStringLiteral("花子"));
    EXPECT_EQ(join->secret, QStringLiteral("ab"));
}

QJsonObject read(const QByteArray& frame)
{
    return QJsonDocument::fromJson(frame).object();
}

TEST(PageFrames, CarryTheirFieldsAsText)
{
    const QJsonObject joined = read(net::joinedFrame("<i>x</i>", "s", {"h", "<i>x</i>"}));
    EXPECT_EQ(joined["t"], "joined");
    EXPECT_EQ(joined["name"], "<i>x</i>");
    EXPECT_EQ(joined["members"].toArray().size(), 2);
    EXPECT_EQ(read(net::membersFrame({"h"}, "◆a氏の退室"))["notice"], "◆a氏の退室");
    EXPECT_EQ(read(net::chatFrame("a：b\nc"))["line"], "a：b\nc");
    EXPECT_EQ(read(net::refusedFrame())["t"], "refused");
    EXPECT_EQ(read(net::byeFrame("r"))["reason"], "r");
}

TEST(PageFrames, StateListsCellsColumnByColumnAndPlacesOnlyAtTheEnd)
{
    net::PageState s;
    s.size = 6;
    s.cells.assign(36, 0);
    s.cells[1 * 6 + 2] = 3; // column 1, row 2
    s.last = rules::Cell{1, 2};
    s.legal = {{0, 5}};
    s.yourTurn = true;
    QJsonObject o = read(net::stateFrame(s));
    EXPECT_EQ(o["cells"].toArray()[8].toInt(), 3);
    EXPECT_EQ(o["last"].toArray(), (QJsonArray{1, 2}));
    EXPECT_EQ(o["legal"].toArray()[0].toArray(), (QJsonArray{0, 5}));
    EXPECT_TRUE(o["places"].isNull());
    s.over = true;
    s.places = {2, 1, 4, 3};
    s.last.reset();
    o = read(net::stateFrame(s));
    EXPECT_EQ(o["places"].toArray(), (QJsonArray{2, 1, 4, 3}));
    EXPECT_TRUE(o["last"].isNull());
}

struct Head : NamedCase {
    const char* bytes;
    bool upgrade;
    const char* resource;
};

class RequestHeads : public testing::TestWithParam<Head> {};

TEST_P(RequestHeads, UpgradeOnlyFromTheOwnOriginAndServeOnlyThePage)
{
    const auto head = net::parseRequestHead(GetParam().bytes);
    EXPECT_EQ(head && net::isOwnUpgrade(*head), GetParam().upgrade);
    EXPECT_EQ(head ? net::pageResource(head->path) : QString(), QString::fromUtf8(GetParam().resource));
}

INSTANTIATE_TEST_SUITE_P(
    Heads, RequestHeads,
    testing::Values(
        Head{{"Page"}, "GET / HTTP/1.1\r\nHost: 10.0.0.2:18390\r\n\r\n", false, ":/web/index.html"},
        Head{{"Module"}, "GET /board.js?v=1 HTTP/1.1\r\nHost: h\r\n\r\n", false, ":/web/board.js"},
        Head{{"Traversal"}, "GET /../setting.ini HTTP/1.1\r\nHost: h\r\n\r\n", false, ""},
        Head{{"ResourceDirectly"}, "GET /:/web/main.js HTTP/1.1\r\nHost: h\r\n\r\n", false, ""},
        Head{{"Upgrade"},
             "GET /ws HTTP/1.1\r\nHost: h:18390\r\nUpgrade: WebSocket\r\nOrigin: http://h:18390\r\n\r\n", true, ""},
        Head{{"UpgradeFromElsewhere"},
             "GET /ws HTTP/1.1\r\nHost: h:18390\r\nUpgrade: websocket\r\nOrigin: http://evil.example\r\n\r\n", false,
             ""},
        Head{{"UpgradeWithoutOrigin"}, "GET /ws HTTP/1.1\r\nHost: h\r\nUpgrade: websocket\r\n\r\n", false, ""},
        Head{{"Unfinished"}, "GET / HTTP/1.1\r\nHost: h\r\n", false, ""},
        Head{{"NotHttp"}, "\x16\x03\x01 hello\r\n\r\n", false, ""},
        Head{{"HeaderWithoutColon"}, "GET / HTTP/1.1\r\nHost h\r\n\r\n", false, ""}),
    byName);

} // namespace
