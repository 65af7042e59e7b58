#pragma once
#include "net/messagebuffer.h"

#include <QHash>
#include <QHostAddress>

namespace net {

// The most connections the host keeps at once: well inside the descriptors this process may
// open, as read when it asks, leaving room for the program's own files and windows.
int connectionLimit();

// The most guests that may have joined at once: the three who play and twelve who watch. A
// host that idle members have filled makes room by sending some away.
constexpr int MaxGuests = 15;

struct AdmissionLimits {
    int waitingPerAddress = 8; // connections from one address that have not joined yet
    int waiting = 64;          // and from all addresses
    int connections = connectionLimit();
    int joinBurst = 8;             // joins one address may make at once (the host's own computer players)
    int joinsPerSecond = 4;        // and then on average
    qint64 joinDeadlineMs = 10000; // a connection that has not joined by then is closed
    int members = MaxGuests;       // guests that have joined
};

// Who may come in. A connection that has not joined costs a little and waits among few; joins
// from one address come at a bounded rate, so one address churning connections cannot crowd
// out the members or the guests still to come.
// What the host `hostName` says, as a chat line of its own, to a joiner it turns away for want
// of room: it travels, so it is never translated.
QString roomFullLine(const QString& hostName);

class Admission {
public:
    explicit Admission(AdmissionLimits limits = {}, Clock clock = steadyMilliseconds);

    const AdmissionLimits& limits() const { return limits_; }
    // A new connection from `peer`: true when it may wait for its join, counted as waiting.
    bool admit(const QHostAddress& peer);
    // No more may wait, whatever their address: the oldest should go to make room.
    bool waitingFull() const { return waitingTotal_ >= limits_.waiting; }
    // Every place for a member is taken. One who returns to a seat the game keeps for it needs
    // none: the cap counts the members who have no seat to reclaim.
    bool roomFull() const { return total_ - waitingTotal_ >= limits_.members; }
    // A waiting connection asks to join: true when there is room for a member (or it returns to
    // its seat) and its address is within its rate; it then counts as a member. On false it
    // still counts as waiting until it is closed.
    bool join(const QHostAddress& peer, bool returnsToSeat = false);
    void closed(const QHostAddress& peer, bool joined);
    void clear();

private:
    struct Bucket {
        double tokens = 0;
        qint64 at = 0;
    };
    bool takeJoin(const QHostAddress& peer);
    void stopWaiting(const QHostAddress& peer);
    void forgetFullBuckets(qint64 now);

    AdmissionLimits limits_;
    Clock clock_;
    QHash<QHostAddress, int> waiting_;
    int waitingTotal_ = 0;
    int total_ = 0;
    QHash<QHostAddress, Bucket> joins_;
};

} // namespace net
