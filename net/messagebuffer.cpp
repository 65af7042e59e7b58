#include "net/messagebuffer.h"

#include "net/message.h"
#include "net/plainmessage.h"

#include <algorithm>

namespace net {

// The complete lines at the front of what is held, no further than one message can reach.
struct MessageBuffer::Lines {
    QStringList text;
    QList<qsizetype> ends;    // where the unread bytes after each line begin
    bool full = false;        // MaxMessageBytes are there: the sender cut any message here
    bool partialTail = false; // bytes of a line whose break has not arrived yet

    Lines(QByteArrayView unread)
    {
        full = unread.size() >= MaxMessageBytes;
        const QByteArrayView region = unread.first(std::min<qsizetype>(unread.size(), MaxMessageBytes));
        qsizetype from = 0;
        while (const auto line = scanLine(region, from)) {
            text << decodeLine(region.sliced(line->begin, line->end - line->begin));
            ends << line->next;
            from = line->next;
        }
        if (from < region.size()) {
            if (full) {
                text << decodeLine(region.sliced(from));
                ends << region.size();
            } else {
                partialTail = true;
            }
        }
    }
    int count() const { return int(text.size()); }
    // The region holds no line break at all: one line longer than any message.
    bool overlong() const { return full && ends.size() == 1 && ends[0] == MaxMessageBytes && !text[0].isEmpty(); }
};

MessageBuffer::MessageBuffer(Sender from, Clock clock) : from_(from), clock_(std::move(clock))
{
}

void MessageBuffer::append(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    QByteArrayView text = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    if (text.isEmpty())
        return;
    if (quiet()) {
        // What is held stopped arriving long ago: a fragment, not the front of these bytes.
        held_.clear();
        pos_ = 0;
        skipLine_ = unsure_ = false;
        chatPrefix_.reset();
    }
    quietSince_.reset();
    drained_ = false;
    if (skipLf_ && text.front() == '\n')
        text = text.sliced(1);
    skipLf_ = false;
    held_.append(text);
    skipRestOfLine();
}

void MessageBuffer::drained()
{
    drained_ = true;
    if (pos_ == held_.size() && !skipLine_)
        chatPrefix_.reset(); // the burst that a chat came in has ended
    if ((pos_ < held_.size() || skipLine_ || unsure_) && !quietSince_)
        quietSince_ = clock_();
}

void MessageBuffer::clear()
{
    held_.clear();
    pos_ = 0;
    skipLf_ = skipLine_ = drained_ = unsure_ = followsChat_ = false;
    quietSince_.reset();
    chatPrefix_.reset();
    ownName_.clear();
    members_.reset();
    replied_ = membersSure_ = false;
}

std::optional<QStringList> MessageBuffer::next()
{
    for (;;) {
        const Lines f(QByteArrayView(held_).sliced(pos_));
        if (f.count() == 0)
            return std::nullopt;
        if (f.overlong()) {
            skipLine_ = true;
            skipRestOfLine();
            continue;
        }
        Reading r = read(f);
        const int kind = lineNumber(f.text, 0).value_or(-1);
        if (r.verdict == Verdict::Whole && unsure_ && (kind == MsgStart || kind == MsgMove))
            r = {Verdict::Junk}; // it could be names of the guessed list
        if (r.verdict == Verdict::Whole && chatPrefix_ && !nextAfterChat(kind, r, f.text))
            r = {Verdict::Junk};
        if (r.verdict == Verdict::Whole) {
            QStringList message = f.text.first(r.lines);
            consume(f.ends[r.lines - 1]);
            followsChat_ = chatPrefix_.has_value();
            if (kind == MsgChat)
                chatPrefix_ = chatPrefix(message[1]);
            if (noteMembers(message)) {
                unsure_ = r.unsure;
                membersSure_ = !r.unsure;
            }
            return message;
        }
        if (r.verdict == Verdict::Waiting && !f.full)
            return std::nullopt;
        if (from_ == Sender::Host && kind == MsgJoin)
            unsure_ = true; // a member list that cannot be read leaves its names behind
        // Junk, or a message cut short by the size limit: its first line goes, unless the whole
        // of a message that has no business here is known.
        consume(f.ends[std::max(r.lines, 1) - 1]);
    }
}

MessageBuffer::Reading MessageBuffer::read(const Lines& f) const
{
    const auto kind = lineNumber(f.text, 0);
    if (!kind)
        return {Verdict::Junk};
    return from_ == Sender::Guest ? readFromGuest(*kind, f) : readFromHost(*kind, f);
}

MessageBuffer::Reading MessageBuffer::readFromGuest(int kind, const Lines& f) const
{
    const int need = plainLineCount(kind);
    if (need == 0)
        return {Verdict::Junk};
    if (f.count() < need)
        return {Verdict::Waiting};
    // A guest never starts a game nor marks a catch-up: such a message, plainly one, goes whole.
    if (kind == MsgStart || kind == MsgCatchUp)
        return {Verdict::Junk, plainlyFromHost(f.text) ? need : 1};
    return plainlyFromGuest(f.text) ? Reading{Verdict::Whole, need} : Reading{Verdict::Junk};
}

MessageBuffer::Reading MessageBuffer::readFromHost(int kind, const Lines& f) const
{
    if (kind == MsgJoin)
        return replied_ ? Reading{Verdict::Junk} : readMemberList(kind, 1, f);
    if (kind == MsgLeave) {
        if (f.count() < 2)
            return {Verdict::Waiting};
        return isNotice(f.text[1]) ? readMemberList(kind, 2, f) : Reading{Verdict::Junk};
    }
    const int need = plainLineCount(kind);
    if (need == 0)
        return {Verdict::Junk};
    if (f.count() < need)
        return {Verdict::Waiting};
    return plainlyFromHost(f.text) ? Reading{Verdict::Whole, need} : Reading{Verdict::Junk};
}

// A member list's names start at line `from`. A notice's list is known from the last list
// read. Otherwise the list is read once all that came in one go is there: up to the guest's
// own name (as the host accepted it), with which a reply ends, when a start or a move plainly
// follows it; failing that, up to a plain chat or member message.
MessageBuffer::Reading MessageBuffer::readMemberList(int kind, int from, const Lines& f) const
{
    if (kind == MsgLeave)
        if (const Reading known = noticeList(from, f); known.verdict != Verdict::Junk)
            return known;
    if (!f.full && !(drained_ && !f.partialTail))
        return {Verdict::Waiting};
    // A reply ends with the guest's own name; one that lacks it (a host that renamed the guest)
    // is read by arrival once the line has been quiet.
    if (kind == MsgJoin && !f.full && !ownName_.isEmpty() && f.text.indexOf(ownName_, from + 1) < 0 && !quiet())
        return {Verdict::Waiting};
    const int end = listEndByArrival(kind, from, f.text);
    const qsizetype own = ownName_.isEmpty() ? -1 : f.text.first(end).lastIndexOf(ownName_);
    if (kind == MsgJoin && own > from) {
        const QStringList after = f.text.sliced(own + 1);
        if (own + 1 == end || plainlyFromHost(after))
            return {Verdict::Whole, int(own) + 1};
        if (!f.full && after.size() < plainLineCount(lineNumber(after, 0).value_or(-1)))
            return {Verdict::Waiting}; // what follows the reply is still arriving
    }
    if (end > from) // a list the sender cut at the size limit ends there for certain
        return {Verdict::Whole, end, !(f.full && end == f.count()), true};
    return {f.full ? Verdict::Junk : Verdict::Waiting}; // not a name yet: the rest is on its way
}

// The list after a notice is the last list read, changed by the one name it names: whole once
// its lines are there, waiting while they are arriving, junk when it is not that list.
MessageBuffer::Reading MessageBuffer::noticeList(int from, const Lines& f) const
{
    if (!members_)
        return {Verdict::Junk};
    const QStringList names = f.text.sliced(from);
    bool arriving = false;
    for (const QStringList& expected : listsAfterNotice(*members_, f.text[1])) {
        if (names.size() >= expected.size() && names.first(expected.size()) == expected)
            return {Verdict::Whole, from + int(expected.size()), !membersSure_};
        arriving = arriving || (names.size() < expected.size() && expected.first(names.size()) == names);
    }
    return {arriving && !f.full ? Verdict::Waiting : Verdict::Junk};
}

int MessageBuffer::listEndByArrival(int kind, int from, const QStringList& lines) const
{
    const bool replyMayFollow = !replied_ && kind != MsgJoin;
    for (int at = from + 1; at < lines.size(); ++at)
        if (lobbyMessageBegins(lines, at, replyMayFollow))
            return at;
    return int(lines.size());
}

// A start or a move never ends a list of unknown length: its lines could be names.
bool MessageBuffer::lobbyMessageBegins(const QStringList& lines, int at, bool replyMayFollow) const
{
    const QString& kind = lines[at];
    if (at + 1 >= lines.size())
        return false;
    if (kind == u"0")
        return replyMayFollow && !ownName_.isEmpty() && lines.indexOf(ownName_, at + 2) >= 0;
    if (kind == u"1")
        return isNotice(lines[at + 1]);
    if (kind == u"2")
        return isChatLine(lines[at + 1]);
    return false;
}

bool MessageBuffer::quiet() const
{
    return quietSince_ && clock_() - *quietSince_ >= QuietGapMs;
}

// The text before the first "：", which names the speaker.
QString MessageBuffer::chatPrefix(const QString& line)
{
    return line.section(QStringLiteral("："), 0, 0);
}

// A chat's typed line breaks travel as further lines of it, right behind it: what follows a
// chat in the same burst counts only when it is plainly the next message. A guest's next chat
// speaks under the same name; a host's under a member's; a member list must be known for
// certain, never guessed from arrival. Moves and starts are left to those who know the game.
bool MessageBuffer::nextAfterChat(int kind, const Reading& r, const QStringList& lines) const
{
    if (kind == MsgChat)
        return chatPrefix(lines[1]) == *chatPrefix_ || (from_ == Sender::Host && spokenByMember(lines[1]));
    return from_ == Sender::Guest || !((kind == MsgJoin || kind == MsgLeave) && r.byArrival);
}

bool MessageBuffer::spokenByMember(const QString& line) const
{
    if (!members_)
        return false;
    return std::any_of(members_->begin(), members_->end(),
                       [&](const QString& name) { return line.startsWith(name + QStringLiteral("：")); });
}

bool MessageBuffer::noteMembers(const QStringList& message)
{
    if (from_ != Sender::Host || (message[0] != u"0" && message[0] != u"1"))
        return false;
    replied_ = replied_ || message[0] == u"0";
    members_ = message.mid(message[0] == u"0" ? 1 : 2);
    return true;
}

void MessageBuffer::consume(qsizetype length)
{
    pos_ += length;
    // A lone CR ended what had arrived: an LF coming next completes that break.
    skipLf_ = pos_ == held_.size() && length < MaxMessageBytes && held_.endsWith('\r');
    if (pos_ == held_.size()) {
        held_.clear();
        pos_ = 0;
    } else if (pos_ > held_.size() / 2) {
        held_.remove(0, pos_);
        pos_ = 0;
    }
}

// The rest of an overlong line goes as it arrives, up to and including its break.
void MessageBuffer::skipRestOfLine()
{
    if (!skipLine_)
        return;
    const qsizetype cr = held_.indexOf('\r', pos_);
    const qsizetype lf = held_.indexOf('\n', pos_);
    const qsizetype brk = cr < 0 ? lf : lf < 0 ? cr : std::min(cr, lf);
    if (brk < 0) {
        held_.clear();
        pos_ = 0;
        return;
    }
    skipLine_ = false;
    const bool crLf = held_[brk] == '\r' && brk + 1 < held_.size() && held_[brk + 1] == '\n';
    consume(brk + (crLf ? 2 : 1) - pos_);
}

} // namespace net
