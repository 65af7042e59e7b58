#pragma once
#include <QtGlobal>

namespace net {

// Milliseconds on a clock that never goes back.
qint64 steadyMilliseconds();

// Milliseconds on a steady clock that stands still while this station blocks its own thread
// on purpose (the game's animation pauses): nothing could be read meanwhile, so that time is
// not quiet on the line.
qint64 readingMilliseconds();

// The reading clock stands still for as long as one of these lives. One thread only.
class BlockedTime {
public:
    BlockedTime();
    ~BlockedTime();
    BlockedTime(const BlockedTime&) = delete;
    BlockedTime& operator=(const BlockedTime&) = delete;

private:
    qint64 since_;
};

} // namespace net
