#include "net/framer.h"

#include "net/message.h"

#include <algorithm>

namespace net {

namespace {

bool numbersFollow(const QStringList& lines, int from, int count)
{
    for (int i = from; i < from + count; ++i)
        if (!lineNumber(lines, i))
            return false;
    return true;
}

bool isNotice(const QString& line)
{
    return line.startsWith(QStringLiteral("◆"))
        && (line.endsWith(QStringLiteral("氏の来訪")) || line.endsWith(QStringLiteral("氏の退室")));
}

// Whether lines[at] plainly starts another message of the host, judged by the lines after it.
bool hostMessageBegins(const QStringList& lines, int at)
{
    const QString& kind = lines[at];
    const bool hasNext = at + 1 < lines.size();
    if (kind == u"1")
        return hasNext && isNotice(lines[at + 1]);
    if (kind == u"2")
        return hasNext && lines[at + 1].contains(QStringLiteral("："));
    if (kind == u"3")
        return numbersFollow(lines, at + 1, 5);
    if (kind == u"4")
        return numbersFollow(lines, at + 1, 3);
    return false;
}

} // namespace

// The complete lines at the front of what is held, no further than one message can reach.
struct MessageBuffer::Front {
    QByteArrayView region;
    QList<LineSpan> spans;
    bool full = false;          // MaxMessageBytes are there: the sender cut the message here
    bool partialTail = false;   // bytes of a line whose break has not arrived yet

    QStringList lines(qsizetype count) const
    {
        QStringList out;
        for (qsizetype i = 0; i < std::min(count, spans.size()); ++i)
            out << decodeLine(region.sliced(spans[i].begin, spans[i].end - spans[i].begin));
        return out;
    }
};

MessageBuffer::Front MessageBuffer::front() const
{
    Front f;
    const QByteArrayView unread = QByteArrayView(held_).sliced(pos_);
    f.full = unread.size() >= MaxMessageBytes;
    f.region = unread.first(std::min<qsizetype>(unread.size(), MaxMessageBytes));
    qsizetype from = 0;
    while (const auto line = scanLine(f.region, from)) {
        f.spans << *line;
        from = line->next;
    }
    if (from < f.region.size()) {
        if (f.full)
            f.spans << LineSpan{from, f.region.size(), f.region.size()};
        else
            f.partialTail = true;
    }
    return f;
}

bool MessageBuffer::knownKind(int kind) const
{
    if (from_ == Sender::Host)
        return kind >= MsgJoin && kind <= MsgMove;
    return kind == MsgJoin || kind == MsgLeave || kind == MsgChat || kind == MsgMove;
}

// Lines of the whole message at the front: 0 while some of them have not arrived.
int MessageBuffer::wholeLength(int kind, const Front& f) const
{
    if (from_ == Sender::Host && (kind == MsgJoin || kind == MsgLeave))
        return memberListLength(f);
    const int need = kind == MsgMove ? 4 : kind == MsgStart ? 6 : 2;
    return f.spans.size() >= need ? need : 0;
}

// A member list runs over the lines that came with it, up to a plain start of another message.
int MessageBuffer::memberListLength(const Front& f) const
{
    if (f.spans.size() < 2)
        return 0;
    const QStringList lines = f.lines(f.spans.size());
    for (int at = 2; at < lines.size(); ++at)
        if (hostMessageBegins(lines, at))
            return at;
    return f.partialTail ? 0 : int(lines.size());
}

void MessageBuffer::append(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    QByteArrayView text = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    if (text.isEmpty())
        return;
    if (skipLf_ && text.front() == '\n')
        text = text.sliced(1);
    skipLf_ = false;
    held_.append(text);
}

std::optional<QStringList> MessageBuffer::next()
{
    const Front f = front();
    if (f.spans.isEmpty())
        return std::nullopt;
    const auto kind = lineNumber(f.lines(1), 0);
    if (!kind || !knownKind(*kind)) {
        discard();
        return std::nullopt;
    }
    const int count = wholeLength(*kind, f);
    if (count == 0) {
        if (f.full)
            discard();
        return std::nullopt;
    }
    QStringList message = f.lines(count);
    consume(f.spans[count - 1].next);
    return message;
}

void MessageBuffer::consume(qsizetype length)
{
    pos_ += length;
    // A lone CR ended what had arrived: an LF coming next completes that break.
    skipLf_ = pos_ == held_.size() && length < MaxMessageBytes && held_.endsWith('\r');
    if (pos_ == held_.size())
        drop(skipLf_);
    else if (pos_ > held_.size() / 2) {
        held_.remove(0, pos_);
        pos_ = 0;
    }
}

void MessageBuffer::discard()
{
    drop(held_.endsWith('\r'));
}

void MessageBuffer::drop(bool skipLf)
{
    held_.clear();
    pos_ = 0;
    skipLf_ = skipLf;
}

} // namespace net
