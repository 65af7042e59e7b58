#include "net/hostlobby.h"

#include "net/chatline.h"
#include "net/lookalikes.h"
#include "net/message.h"
#include "net/names.h"

#include <algorithm>

namespace net {

HostLobby::HostLobby(Transport& transport, QObject* parent) : QObject(parent), transport_(transport)
{
}

void HostLobby::open(const QString& hostName)
{
    shut();
    hostName_ = hostName;
    emit membersChanged(members());
}

void HostLobby::shut()
{
    guests_.clear();
    vacated_ = {};
}

void HostLobby::accepted(GuestId guest)
{
    Guest g;
    g.id = guest;
    guests_.append(g);
}

void HostLobby::closed(GuestId guest)
{
    const Guest* g = find(guest);
    if (!g)
        return;
    if (g->joined)
        leave(guest);
    else
        guests_.removeIf([&](const Guest& x) { return x.id == guest; });
}

HostLobby::Guest* HostLobby::find(GuestId id)
{
    const auto it = std::find_if(guests_.begin(), guests_.end(), [&](const Guest& g) { return g.id == id; });
    return it == guests_.end() ? nullptr : &*it;
}

QStringList HostLobby::members() const
{
    QStringList names{hostName_};
    for (const Guest& g : guests_)
        if (g.joined)
            names << g.name;
    return names;
}

void HostLobby::SSClientRead(GuestId sender, const QStringList& message)
{
    Guest* g = find(sender);
    const auto kind = lineNumber(message, 0);
    if (!g || !kind)
        return;
    if (*kind == MsgJoin && !g->joined)
        join(*g, message.value(1));
    else if (*kind == MsgLeave && saysGoodbye(*g, message.value(1)))
        leave(sender);
    else if (!g->joined)
        return; // only members chat and move
    else if (*kind == MsgChat)
        chat(sender, message);
    else if (*kind == MsgMove)
        move(*g, message);
}

// A member's name is set once, by its first join; it takes its place after the members.
void HostLobby::join(Guest& guest, const QString& name)
{
    Guest joiner = guest;
    joiner.joined = true;
    joiner.name = memberName(name, members());
    joiner.sentName = name;
    joiner.seat = vacatedSeat(joiner.name);
    if (seatClaim_)
        joiner.seat = seatClaim_(joiner.id, joiner.seat);
    if (joiner.seat <= HostSeat || joiner.seat > rules::Seats || vacated_[std::size_t(joiner.seat)].isEmpty())
        joiner.seat = 0;
    if (joiner.seat)
        vacated_[std::size_t(joiner.seat)].clear();
    guests_.removeIf([&](const Guest& x) { return x.id == joiner.id; });
    // A returning player stands before the members seated after it and those who only watch, so
    // that the list's first four names are the seats' again.
    const auto place = std::find_if(guests_.begin(), guests_.end(), [&](const Guest& g) {
        return !g.joined || (joiner.seat && (g.seat == 0 || g.seat > joiner.seat));
    });
    guests_.insert(place, joiner);

    const QString notice = joinNotice(joiner.name);
    const QStringList names = members();
    emit lobbyMessage();
    emit membersChanged(names);
    emit chatLine(notice);
    if (names.size() >= PlayersToStart)
        emit enoughMembers(true);
    for (const GuestId id : joinedIds())
        transport_.send(id, id == joiner.id ? replyMessage(names) : noticeMessage(notice, names));
    if (joiner.seat)
        emit seatReturned(joiner.seat, joiner.id);
}

// Names compare as the screen shows them, as when a name is taken.
int HostLobby::vacatedSeat(const QString& name) const
{
    for (int seat = HostSeat + 1; seat <= rules::Seats; ++seat)
        if (!vacated_[std::size_t(seat)].isEmpty() && lookAlikeKey(vacated_[std::size_t(seat)]) == lookAlikeKey(name))
            return seat;
    return 0;
}

void HostLobby::removeMember(const QString& name)
{
    const auto it =
        std::find_if(guests_.cbegin(), guests_.cend(), [&](const Guest& g) { return g.joined && g.name == name; });
    if (it != guests_.cend())
        leave(it->id);
}

// A goodbye takes the sender's own entry; one without an entry has nothing to take.
void HostLobby::leave(GuestId id)
{
    const Guest* g = find(id);
    if (!g)
        return;
    const bool wasMember = g->joined;
    const QString name = g->name;
    const int seat = g->seat;
    guests_.removeIf([&](const Guest& x) { return x.id == id; });
    if (wasMember) {
        const QString notice = leaveNotice(name);
        const QStringList names = members();
        emit lobbyMessage();
        emit membersChanged(names);
        emit chatLine(notice);
        if (names.size() < PlayersToStart)
            emit enoughMembers(false);
        sendToGuests(noticeMessage(notice, names));
        if (seat > HostSeat && seat <= rules::Seats) {
            vacated_[std::size_t(seat)] = name;
            emit seatLeft(seat, name);
        }
    }
    transport_.hangUp(id);
}

// A member's goodbye carries its own name; any other is a chat's extra lines or a forgery.
bool HostLobby::saysGoodbye(const Guest& guest, const QString& name)
{
    return !guest.joined || name.compare(guest.name, Qt::CaseInsensitive) == 0 ||
           name.compare(guest.sentName, Qt::CaseInsensitive) == 0;
}

void HostLobby::chat(GuestId sender, QStringList message)
{
    message[1] = spokenBy(find(sender)->name, message[1]);
    emit lobbyMessage();
    emit chatLine(message[1]);
    for (const GuestId id : joinedIds())
        if (id != sender)
            transport_.send(id, message);
}

void HostLobby::move(const Guest& sender, const QStringList& message)
{
    if (sender.behind)
        return;
    if (const auto m = parseMove(message))
        emit moveReceived(sender.seat, *m);
}

void HostLobby::startGame(StartSettings settings)
{
    vacated_ = {};
    int seat = HostSeat + 1;
    for (Guest& g : guests_) {
        g.behind = false;
        if (!g.joined)
            continue;
        g.seat = std::min(seat++, rules::Seats + 1);
        settings.seat = g.seat;
        transport_.send(g.id, startMessage(settings));
    }
}

void HostLobby::sendToGuests(const QStringList& message)
{
    for (const GuestId id : joinedIds())
        transport_.send(id, message);
}

void HostLobby::relayMove(const QStringList& message)
{
    for (const GuestId id : joinedIds())
        if (const Guest* g = find(id); g && !g->behind)
            transport_.send(id, message);
}

void HostLobby::setBehind(GuestId guest, bool behind)
{
    if (Guest* g = find(guest))
        g->behind = behind;
}

// Taken before sending: a send that fails may drop a guest from the list.
QList<HostLobby::GuestId> HostLobby::joinedIds() const
{
    QList<GuestId> ids;
    for (const Guest& g : guests_)
        if (g.joined)
            ids << g.id;
    return ids;
}

} // namespace net
