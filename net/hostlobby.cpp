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

void HostLobby::accepted(GuestId guest, const QString& address)
{
    Guest g;
    g.id = guest;
    g.address = address;
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

// A member's name is set once, by its first join; it takes its place after the members. A seat
// this game lost is taken back at once only from the address it was played from: a name alone
// is no proof, so from elsewhere the host player is asked first.
void HostLobby::join(Guest& guest, const QString& name)
{
    // A copy: replacing a silent connection changes the list that `guest` lies in.
    Guest joiner = guest;
    replaceSilent(joiner, name);
    joiner.joined = true;
    joiner.name = memberName(name, members());
    joiner.sentName = name;
    int lost = vacatedSeat(joiner.name);
    // A browser's seat is claimed by its secret, never by a name.
    if (seatClaim_)
        lost = seatClaim_(joiner.id, lost);
    if (lost <= HostSeat || lost > rules::Seats || vacated_[std::size_t(lost)].name.isEmpty())
        lost = 0;
    if (lost && vacated_[std::size_t(lost)].address == joiner.address) {
        joiner.seat = lost;
        vacated_[std::size_t(lost)] = {};
    }
    guests_.removeIf([&](const Guest& x) { return x.id == joiner.id; });
    seatAt(joiner);

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
    else if (lost)
        emit returnAsked(joiner.name, lost);
}

// A returning player stands before the members seated after it and those who only watch, so
// that the list's first four names are the seats' again.
void HostLobby::seatAt(Guest joiner)
{
    const auto place = std::find_if(guests_.begin(), guests_.end(), [&](const Guest& g) {
        return !g.joined || (joiner.seat && (g.seat == 0 || g.seat > joiner.seat));
    });
    guests_.insert(place, joiner);
}

// A seated member's station that lost its network leaves a connection that says nothing: the
// same player joining again from the same address replaces it, and so takes the seat back.
void HostLobby::replaceSilent(const Guest& joiner, const QString& name)
{
    const QString key = lookAlikeKey(acceptName(name, {}));
    const auto old = std::find_if(guests_.cbegin(), guests_.cend(), [&](const Guest& g) {
        return g.joined && g.id != joiner.id && g.seat > HostSeat && g.seat <= rules::Seats &&
               g.address == joiner.address && lookAlikeKey(g.name) == key;
    });
    if (old != guests_.cend())
        leave(old->id);
}

void HostLobby::allowReturn(const QString& name)
{
    const auto it =
        std::find_if(guests_.cbegin(), guests_.cend(), [&](const Guest& g) { return g.joined && g.name == name; });
    const int lost = it == guests_.cend() || it->seat ? 0 : vacatedSeat(name);
    if (!lost)
        return;
    Guest returner = *it;
    returner.seat = lost;
    vacated_[std::size_t(lost)] = {};
    guests_.erase(it);
    seatAt(returner);
    // Every station reads the list again, the returner's own in its seat's place.
    const QString notice = joinNotice(returner.name);
    const QStringList names = members();
    emit membersChanged(names);
    sendToGuests(noticeMessage(notice, names));
    emit seatReturned(lost, returner.id);
}

// Names compare as the screen shows them, as when a name is taken.
int HostLobby::vacatedSeat(const QString& name) const
{
    for (int seat = HostSeat + 1; seat <= rules::Seats; ++seat) {
        const QString& left = vacated_[std::size_t(seat)].name;
        if (!left.isEmpty() && lookAlikeKey(left) == lookAlikeKey(name))
            return seat;
    }
    return 0;
}

bool HostLobby::returnsToSeat(const QString& name) const
{
    return vacatedSeat(memberName(name, members())) != 0;
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
    const QString address = g->address;
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
            vacated_[std::size_t(seat)] = {name, address};
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
