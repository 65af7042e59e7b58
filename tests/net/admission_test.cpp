#include "net/admission.h"
#include "tests/support/namedcase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QHostAddress One(QStringLiteral("192.0.2.1"));
const QHostAddress Two(QStringLiteral("192.0.2.2"));
const QHostAddress Three(QStringLiteral("192.0.2.3"));

// Newcomers from three addresses, one step at a time: 'a' admit, 'j' join, 'c' close waiting,
// 'm' close a member, 't' a quarter of a second passes, 'r' join to take back a seat; the answers
// of 'a', 'j' and 'r' in order.
struct AdmissionCase : NamedCase {
    std::vector<std::pair<char, QHostAddress>> steps;
    std::string answers;
};

class AdmissionSteps : public testing::TestWithParam<AdmissionCase> {};

TEST_P(AdmissionSteps, AnswerAsTheLimitsAllow)
{
    qint64 now = 0;
    net::Admission admission({.waitingPerAddress = 2, .waiting = 3, .connections = 4, .joinBurst = 2,
                              .joinsPerSecond = 4, .joinDeadlineMs = 1000, .members = 3},
                             [&] { return now; });
    std::string answers;
    for (const auto& [step, peer] : GetParam().steps) {
        switch (step) {
        case 'a': answers += admission.admit(peer) ? 'y' : 'n'; break;
        case 'j': answers += admission.join(peer) ? 'y' : 'n'; break;
        case 'r': answers += admission.join(peer, true) ? 'y' : 'n'; break;
        case 'c': admission.closed(peer, false); break;
        case 'm': admission.closed(peer, true); break;
        case 't': now += 250; break;
        }
    }
    EXPECT_EQ(answers, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(Limits, AdmissionSteps, testing::Values(
    AdmissionCase{{"PerAddress"}, {{'a', One}, {'a', One}, {'a', One}, {'a', Two}}, "yyny"},
    AdmissionCase{{"WaitingInAll"}, {{'a', One}, {'a', Two}, {'a', Three}, {'a', Three}}, "yyyn"},
    AdmissionCase{{"CloseMakesRoom"}, {{'a', One}, {'a', One}, {'c', One}, {'a', One}}, "yyy"},
    AdmissionCase{{"JoinMakesRoom"}, {{'a', One}, {'a', One}, {'j', One}, {'a', One}}, "yyyy"},
    AdmissionCase{{"ConnectionsInAll"},
                  {{'a', One}, {'j', One}, {'a', Two}, {'j', Two}, {'a', Three}, {'j', Three}, {'a', One}, {'a', Two}},
                  "yyyyyyyn"},
    AdmissionCase{{"MembersInAll"},
                  {{'a', One}, {'j', One}, {'a', Two}, {'j', Two}, {'a', Three}, {'j', Three}, {'a', One}, {'j', One},
                   {'c', One}, {'m', Two}, {'a', One}, {'j', One}},
                  "yyyyyyynyy"},
    AdmissionCase{{"MemberLeavingMakesRoom"},
                  {{'a', One}, {'j', One}, {'a', Two}, {'j', Two}, {'a', Three}, {'j', Three}, {'a', One}, {'m', Two}, {'a', Two}},
                  "yyyyyyyy"},
    AdmissionCase{{"JoinBurstThenRate"},
                  {{'a', One}, {'j', One}, {'a', One}, {'j', One}, {'a', One}, {'j', One}, {'t', One}, {'j', One}},
                  "yyyyyny"},
    AdmissionCase{{"RateIsPerAddress"},
                  {{'a', One}, {'j', One}, {'a', One}, {'j', One}, {'a', One}, {'j', One}, {'a', Two}, {'j', Two}},
                  "yyyyynyy"},
    AdmissionCase{{"ASeatTakenBackNeedsNoRoom"},
                  {{'a', One}, {'j', One}, {'a', Two}, {'j', Two}, {'a', Three}, {'j', Three}, {'a', Two}, {'j', Two},
                   {'r', Two}},
                  "yyyyyyyny"}),
    byName);

TEST(ConnectionLimit, StaysWellInsideTheDescriptorLimit)
{
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const int connections = net::connectionLimit();
    EXPECT_GE(connections, 16);
    if (limit.rlim_cur != RLIM_INFINITY) {
        EXPECT_LE(rlim_t(connections), std::max<rlim_t>(limit.rlim_cur / 2, 16));
    }
}

} // namespace
