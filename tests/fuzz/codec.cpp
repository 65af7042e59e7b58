#include "net/messagebuffer.h"
#include "net/message.h"
#include "net/plainmessage.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Line counts that a buffer may hand out for each kind from each side.
void checkMessage(net::Sender from, const QStringList& message)
{
    const auto kind = net::lineNumber(message, 0);
    check(kind.has_value() && *kind >= net::MsgJoin && *kind <= net::MsgCatchUp);
    const bool memberList = from == net::Sender::Host && *kind <= net::MsgLeave;
    if (memberList) {
        check(message.size() >= 2);
        return;
    }
    check((*kind != net::MsgStart && *kind != net::MsgCatchUp) || from == net::Sender::Host);
    check(from == net::Sender::Host ? net::plainlyFromHost(message) : net::plainlyFromGuest(message));
    const int lines = *kind == net::MsgMove ? 4 : *kind == net::MsgStart ? 6 : 2;
    check(message.size() == lines);
}

// The input arrives in reads whose sizes, quiet gaps and ends of bursts come from its own bytes.
void feedInChunks(net::Sender from, const QByteArray& input)
{
    qint64 now = 0;
    net::MessageBuffer buffer(from, [&] { return now; });
    buffer.setOwnName(QStringLiteral("B"));
    qsizetype at = 0;
    while (at < input.size()) {
        const quint8 shape = quint8(input[at]);
        const qsizetype length = 1 + (shape & 0x3f) * 16;
        buffer.append(input.mid(at, length));
        at += length;
        if (shape & 0x40)
            buffer.drained();
        if (shape & 0x80)
            now += net::QuietGapMs;
        while (const auto message = buffer.next())
            checkMessage(from, *message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = net::splitLines(input);
    check(net::encodeMessage(lines).size() <= net::MaxMessageBytes);
    feedInChunks(net::Sender::Guest, input);
    feedInChunks(net::Sender::Host, input);
    return 0;
}
