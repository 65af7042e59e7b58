#pragma once
#include <chrono>

namespace ai {

using Clock = std::chrono::steady_clock;

// How long a level may think: processor time of the searching thread, so that a level plays
// the same on a loaded machine as on an idle one, and a ceiling of wall time, so that a
// thread starved of the processor still answers in time.
struct Budget {
    Clock::duration processor;
    Clock::duration ceiling;
};

// A budget as spent by the thread that made it; only that thread may ask it.
class ThinkClock {
public:
    explicit ThinkClock(const Budget& budget);
    bool expired() const;

private:
    Clock::duration processorEnd_;
    Clock::time_point wallEnd_;
};

} // namespace ai
