#include "ai/thinkclock.h"
#include <ctime>

namespace ai {

namespace {

Clock::duration threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(now.tv_sec) +
                                                       std::chrono::nanoseconds(now.tv_nsec));
}

} // namespace

ThinkClock::ThinkClock(const Budget& budget)
    : processorEnd_(threadTime() + budget.processor), wallEnd_(Clock::now() + budget.ceiling)
{
}

bool ThinkClock::expired() const
{
    return threadTime() >= processorEnd_ || Clock::now() >= wallEnd_;
}

} // namespace ai
