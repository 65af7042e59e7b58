#include "ui/localaddress.h"
#include "tests/support/namedcase.h"
#include <gtest/gtest.h>

namespace {

QList<QHostAddress> addresses(std::initializer_list<const char*> texts)
{
    QList<QHostAddress> list;
    for (const char* text : texts)
        list.append(QHostAddress(QString::fromLatin1(text)));
    return list;
}

struct Case : NamedCase {
    QList<QHostAddress> resolved;
    QList<QHostAddress> interfaces;
    const char* expected;
};

class LocalAddressTest : public testing::TestWithParam<Case> {};

TEST_P(LocalAddressTest, PicksAnAddressOtherStationsCanReach)
{
    const Case& c = GetParam();
    EXPECT_EQ(ui::chooseLocalAddress(c.resolved, c.interfaces), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Choices, LocalAddressTest,
    testing::Values(
        Case{{"HostNameResolves"}, addresses({"192.168.0.5", "10.0.0.9"}), addresses({"172.16.0.1"}), "192.168.0.5"},
        Case{{"LoopbackOnlyAsDebianMapsTheHostName"},
            addresses({"127.0.1.1"}), addresses({"127.0.0.1", "::1", "10.1.2.3"}), "10.1.2.3"},
        Case{{"LoopbackListedFirst"}, addresses({"127.0.1.1", "192.168.1.20"}), addresses({"10.1.2.3"}),
            "192.168.1.20"},
        Case{{"UnresolvableName"}, {}, addresses({"fe80::1", "172.16.4.4"}), "172.16.4.4"},
        Case{{"IPv6Only"}, addresses({"2001:db8::1"}), addresses({"fe80::1"}), ""},
        Case{{"IPv4InsideIPv6"}, addresses({"::ffff:192.168.7.7"}), {}, "192.168.7.7"},
        Case{{"UnspecifiedAddress"}, addresses({"0.0.0.0"}), addresses({"192.168.2.2"}), "192.168.2.2"},
        Case{{"NothingAtAll"}, addresses({"127.0.0.1"}), addresses({"127.0.0.1"}), ""}),
    byName);

} // namespace
