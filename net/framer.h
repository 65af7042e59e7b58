#pragma once
#include <QByteArray>
#include <QStringList>
#include <optional>

namespace net {

// Who sends to a buffer: the host's connections hear guests, a guest's connection hears the host.
enum class Sender { Guest, Host };

// What one connection has received and not yet handed out, cut into whole messages by the
// line counts of each kind. Append what arrived, then take messages with next() until none is
// left; what then remains is under MaxMessageBytes, so the buffer never grows without bound.
class MessageBuffer {
public:
    explicit MessageBuffer(Sender from) : from_(from) {}

    // A NUL ends what this read brought: the rest of the read is dropped, as no text holds one.
    void append(const QByteArray& bytes);
    // The next whole message in arrival order; junk and overlong text are discarded on the way.
    std::optional<QStringList> next();
    // Forgets everything, as at the start of a new connection.
    void clear() { drop(false); }

private:
    struct Front;
    Front front() const;
    bool knownKind(int kind) const;
    int wholeLength(int kind, const Front& f) const;
    int memberListLength(const Front& f) const;
    void consume(qsizetype length);
    void discard();
    void drop(bool skipLf);

    Sender from_;
    QByteArray held_;
    qsizetype pos_ = 0;     // where the unread part of held_ begins
    bool skipLf_ = false;   // the last message ended in a CR at the end of what had arrived
};

} // namespace net
