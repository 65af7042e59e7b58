#include "net/messagebuffer.h"
#include "net/hostlobby.h"
#include "net/message.h"
#include "match/hosttable.h"
#include "match/match.h"
#include "tests/rules/rig.h"

#include <array>
#include <cstdint>
#include <cstdlib>

// Bytes from four connections, chosen by the input, through the host's whole lobby: framing,
// joins, leaves, chat and moves checked against a running game.
namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

qsizetype wireSize(const QStringList& lines)
{
    qsizetype bytes = 0;
    for (const QString& line : lines)
        bytes += net::encodeMessage({line}).size();
    return bytes;
}

// A member list of four names and its notice always go out whole.
struct Wire : net::HostLobby::Transport {
    void send(net::HostLobby::GuestId to, const QStringList& message) override
    {
        check(to >= 1 && to <= 4);
        check(message[0] == u"2" || wireSize(message) <= net::MaxMessageBytes);
    }
    void hangUp(net::HostLobby::GuestId guest) override { gone[guest] = true; }
    std::array<bool, 5> gone{};
};

// The host first; no name a guest could choose reads as another line of the protocol.
void checkMembers(const QStringList& members)
{
    check(!members.isEmpty() && members[0] == u"H");
    for (qsizetype i = 1; i < members.size(); ++i) {
        check(!members[i].isEmpty() && !members[i].startsWith(QStringLiteral("◆")));
        check(!net::lineNumber(members, int(i)).has_value());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Wire wire;
    net::HostLobby lobby(wire);
    // The host's match checks, applies and relays each move as the program's does.
    match::Match match;
    match::HostTable table(lobby);
    match.setTable(&table);
    QObject::connect(&lobby, &net::HostLobby::moveReceived,
                     [&](int seat, const net::Move& m) { match.playFor(seat, m.cell(), false); });
    lobby.open(QStringLiteral("H"));
    std::array<net::MessageBuffer, 5> buffers{net::MessageBuffer(net::Sender::Guest), net::MessageBuffer(net::Sender::Guest),
                                              net::MessageBuffer(net::Sender::Guest), net::MessageBuffer(net::Sender::Guest),
                                              net::MessageBuffer(net::Sender::Guest)};
    for (int id = 1; id <= 4; ++id)
        lobby.accepted(id);
    bool started = false;
    // Each chunk: a byte naming the connection (and whether it then closes), a length, the bytes.
    for (size_t at = 0; at + 2 <= size;) {
        const int id = 1 + data[at] % 4;
        const bool closes = data[at] & 0x80;
        const size_t length = std::min<size_t>(data[at + 1], size - at - 2);
        const QByteArray bytes(reinterpret_cast<const char*>(data + at + 2), qsizetype(length));
        at += 2 + length;
        if (wire.gone[id])
            continue;
        buffers[id].append(bytes);
        buffers[id].drained();
        while (auto message = buffers[id].next())
            lobby.SSClientRead(id, *message);
        if (closes)
            lobby.closed(id);
        checkMembers(lobby.members());
        if (!started && lobby.members().size() >= 4) {
            match.start({8, rules::Scoring::Points, rules::NoLimit, true}, 1, fakes::FourNames);
            lobby.startGame({8, 0, rules::Scoring::Points, rules::NoLimit, true});
            started = true;
        }
        check(match.game().curPlayer() >= 1 && match.game().curPlayer() <= 4);
    }
    return 0;
}
