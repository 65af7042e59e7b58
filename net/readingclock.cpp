#include "net/readingclock.h"

#include <QElapsedTimer>

namespace net {

qint64 steadyMilliseconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

namespace {

qint64 blockedMs = 0;
int blockedDepth = 0;

} // namespace

qint64 readingMilliseconds()
{
    return steadyMilliseconds() - blockedMs;
}

BlockedTime::BlockedTime() : since_(steadyMilliseconds())
{
    ++blockedDepth;
}

// Only the outermost span counts, so nested pauses are not taken off twice.
BlockedTime::~BlockedTime()
{
    if (--blockedDepth == 0)
        blockedMs += steadyMilliseconds() - since_;
}

} // namespace net
