#include "ui/localaddress.h"
#include <gtest/gtest.h>

namespace {

QList<QHostAddress> addresses(std::initializer_list<const char*> texts)
{
    QList<QHostAddress> list;
    for (const char* text : texts)
        list.append(QHostAddress(QString::fromLatin1(text)));
    return list;
}

struct Case {
    const char* what;
    QList<QHostAddress> resolved;
    QList<QHostAddress> interfaces;
    const char* expected;
};

class LocalAddressTest : public testing::TestWithParam<Case> {};

TEST_P(LocalAddressTest, PicksAnAddressOtherStationsCanReach)
{
    const Case& c = GetParam();
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ui::chooseLocalAddress(c.resolved, c.interfaces), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Choices, LocalAddressTest,
    testing::Values(
        Case{"host name resolves", addresses({"192.168.0.5", "10.0.0.9"}), addresses({"172.16.0.1"}), "192.168.0.5"},
        Case{"loopback only, as Debian maps the host name",
            addresses({"127.0.1.1"}), addresses({"127.0.0.1", "::1", "10.1.2.3"}), "10.1.2.3"},
        Case{"loopback listed first", addresses({"127.0.1.1", "192.168.1.20"}), addresses({"10.1.2.3"}),
            "192.168.1.20"},
        Case{"unresolvable name", {}, addresses({"fe80::1", "172.16.4.4"}), "172.16.4.4"},
        Case{"IPv6 only", addresses({"2001:db8::1"}), addresses({"fe80::1"}), ""},
        Case{"IPv4 inside IPv6", addresses({"::ffff:192.168.7.7"}), {}, "192.168.7.7"},
        Case{"unspecified address", addresses({"0.0.0.0"}), addresses({"192.168.2.2"}), "192.168.2.2"},
        Case{"nothing at all", addresses({"127.0.0.1"}), addresses({"127.0.0.1"}), ""}),
    [](const testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

} // namespace
