#pragma once
#include "net/steadyclock.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

namespace net {

// Who sends to a buffer: the host's connections hear guests, a guest's connection hears the host.
enum class Sender { Guest, Host };

// Milliseconds on a clock that never goes back; tests drive their own.
using Clock = std::function<qint64()>;

// One send's pieces arrive within a few milliseconds of each other, and even a piece that TCP
// had to send again comes within Linux's shortest retransmission time (200 ms) plus a round
// trip. A message that has been incomplete for longer is a fragment from a faulty peer: it is
// dropped when the next bytes come, never completed by them.
constexpr qint64 QuietGapMs = 300;

// What one connection has received and not yet handed out, cut into whole messages. Append
// what arrived, take messages with next() until none is left, and call drained() when the
// connection has nothing more for now; what then remains is under MaxMessageBytes.
//
// A message comes out only when its lines are plainly that message: the right kind for the
// sender, the lines it needs, numbers in range. Anything else is dropped a line at a time, so
// that the next plain message after it still comes out. The host's member lists have no line
// count: a guest finds their end from what it knows (its reply ends with its own name; a
// notice changes the last list it read by one name), and failing that takes the lines that
// arrived together, up to a plain chat or member message, so that a name can never become a
// start or a move.
class MessageBuffer {
public:
    explicit MessageBuffer(Sender from, Clock clock = steadyMilliseconds);

    // A NUL ends what this read brought: the rest of the read is dropped, as no text holds one.
    void append(const QByteArray& bytes);
    // The connection has nothing more for now.
    void drained();
    // The next whole message in arrival order.
    std::optional<QStringList> next();
    // Forgets everything, as at the start of a new connection.
    void clear();
    // The name that this guest joined with, as the host accepts it.
    void setOwnName(const QString& name) { ownName_ = name; }
    // The message last handed out came right behind a chat in the same burst, where the
    // chat's extra lines would stand: act on it only if the game allows it.
    bool followsChat() const { return followsChat_; }
    // Part of a message is held, waiting for the rest or for the line to fall quiet.
    bool holding() const { return pos_ < held_.size() && !quiet(); }

    struct Lines;

private:
    enum class Verdict { Whole, Waiting, Junk };
    struct Reading {
        Verdict verdict;
        int lines = 0;
        bool unsure = false;    // a member list whose end was guessed from what arrived
        bool byArrival = false; // a member list that ends where the arrived lines suggest
    };
    Reading read(const Lines& f) const;
    Reading readFromGuest(int kind, const Lines& f) const;
    Reading readFromHost(int kind, const Lines& f) const;
    Reading readMemberList(int kind, int from, const Lines& f) const;
    Reading noticeList(int from, const Lines& f) const;
    int listEndByArrival(int kind, int from, const QStringList& lines) const;
    bool lobbyMessageBegins(const QStringList& lines, int at, bool replyMayFollow) const;
    bool nextAfterChat(int kind, const Reading& r, const QStringList& lines) const;
    static QString chatPrefix(const QString& line);
    bool spokenByMember(const QString& line) const;
    bool quiet() const;
    bool noteMembers(const QStringList& message);
    void consume(qsizetype length);
    void skipRestOfLine();

    Sender from_;
    Clock clock_;
    QByteArray held_;
    qsizetype pos_ = 0;     // where the unread part of held_ begins
    bool skipLf_ = false;   // the last line ended in a CR at the end of what had arrived
    bool skipLine_ = false; // inside an overlong line: bytes up to its break are junk
    bool drained_ = false;  // nothing has arrived since the connection was last emptied
    std::optional<qint64> quietSince_;
    QString ownName_;
    std::optional<QStringList> members_; // the last member list handed out
    bool membersSure_ = false;           // members_ was read with certainty
    bool replied_ = false;               // the host answers a join once
    // Lines right after a list whose end was guessed may be its names: until a quiet gap or a
    // list read with certainty, none of them is taken for a start or a move.
    bool unsure_ = false;
    std::optional<QString> chatPrefix_; // set while the burst of the last chat goes on
    bool followsChat_ = false;
};

} // namespace net
