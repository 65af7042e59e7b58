#include "net/admission.h"

#include <algorithm>
#include <sys/resource.h>

namespace net {

// Buckets of addresses that have not joined for a while are full again: no need to keep them.
constexpr qsizetype MostBuckets = 1024;

int connectionLimit()
{
    // Descriptors the program needs besides its connections: files, sounds, windows, event loop.
    constexpr rlim_t ReservedDescriptors = 256;
    constexpr rlim_t MostConnections = 1000;
    constexpr rlim_t FewestConnections = 16;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return int(MostConnections);
    const rlim_t spare = limit.rlim_cur > ReservedDescriptors ? limit.rlim_cur - ReservedDescriptors : 0;
    return int(std::clamp(spare / 2, FewestConnections, MostConnections));
}

Admission::Admission(AdmissionLimits limits, Clock clock) : limits_(limits), clock_(std::move(clock))
{
}

bool Admission::admit(const QHostAddress& peer)
{
    int& fromPeer = waiting_[peer];
    if (fromPeer >= limits_.waitingPerAddress || waitingTotal_ >= limits_.waiting || total_ >= limits_.connections) {
        if (fromPeer == 0)
            waiting_.remove(peer);
        return false;
    }
    ++fromPeer;
    ++waitingTotal_;
    ++total_;
    return true;
}

QString roomFullLine(const QString& hostName)
{
    return QStringLiteral("%1：満員です。参加できるのは %2 人までです").arg(hostName).arg(MaxGuests + 1);
}

bool Admission::join(const QHostAddress& peer, bool returnsToSeat)
{
    if ((!returnsToSeat && roomFull()) || !takeJoin(peer))
        return false;
    stopWaiting(peer);
    return true;
}

void Admission::closed(const QHostAddress& peer, bool joined)
{
    --total_;
    if (!joined)
        stopWaiting(peer);
}

void Admission::stopWaiting(const QHostAddress& peer)
{
    --waitingTotal_;
    const auto it = waiting_.find(peer);
    if (it != waiting_.end() && --*it <= 0)
        waiting_.erase(it);
}

void Admission::clear()
{
    waiting_.clear();
    waitingTotal_ = 0;
    total_ = 0;
    joins_.clear();
}

// A bucket per address that fills at the rate allowed, up to the burst.
bool Admission::takeJoin(const QHostAddress& peer)
{
    const qint64 now = clock_();
    if (joins_.size() >= MostBuckets)
        forgetFullBuckets(now);
    const auto it = joins_.find(peer);
    Bucket b = it == joins_.end() ? Bucket{double(limits_.joinBurst), now} : *it;
    b.tokens = std::min(double(limits_.joinBurst), b.tokens + double(now - b.at) * limits_.joinsPerSecond / 1000.0);
    b.at = now;
    const bool allowed = b.tokens >= 1;
    if (allowed)
        b.tokens -= 1;
    joins_.insert(peer, b);
    return allowed;
}

void Admission::forgetFullBuckets(qint64 now)
{
    joins_.removeIf([&](const auto& entry) {
        const Bucket& b = entry.value();
        return b.tokens + double(now - b.at) * limits_.joinsPerSecond / 1000.0 >= limits_.joinBurst;
    });
}

} // namespace net
