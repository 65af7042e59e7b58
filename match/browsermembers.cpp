#include "match/browsermembers.h"

#include "match/match.h"
#include "match/pagestate.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/names.h"

#include <QRandomGenerator>

namespace match {

namespace {

// 128 bits from the system's source: a secret no page can guess.
QString newSecret()
{
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words.data()), sizeof words).toHex());
}

} // namespace

BrowserMembers::BrowserMembers(Match& match, net::HostServer& server, QObject* parent)
    : QObject(parent), match_(match), lobby_(server.lobby())
{
    server.setOtherMembers(this);
    lobby_.setSeatClaim([this](net::HostLobby::GuestId joiner, int byName) { return claim(joiner, byName); });
    connect(&web_, &net::WebServer::received, this, &BrowserMembers::received);
    connect(&web_, &net::WebServer::closed, this, &BrowserMembers::closed);
    connect(&lobby_, &net::HostLobby::seatReturned, this, &BrowserMembers::seatReturned);
    connect(&match_, &Match::started, this, &BrowserMembers::started);
    connect(&match_, &Match::moved, this, [this](const rules::Outcome& outcome) {
        last_ = outcome;
        for (const net::WebServer::PageId page : secrets_.keys())
            tell(page);
    });
}

BrowserMembers::~BrowserMembers()
{
    match_.disconnect(this);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        if (seats_[std::size_t(seat)] && match_.player(seat) == seats_[std::size_t(seat)].get())
            match_.setPlayer(seat, nullptr);
}

void BrowserMembers::listen(quint16 port)
{
    web_.listen(port);
}

void BrowserMembers::close()
{
    web_.close();
    secrets_.clear();
    browsers_.clear();
}

BrowserMembers::Browser* BrowserMembers::of(net::WebServer::PageId page)
{
    const auto it = secrets_.constFind(page);
    return it == secrets_.cend() ? nullptr : &browsers_[*it];
}

// A page that sends what it may not is dropped; the others play on.
void BrowserMembers::received(net::WebServer::PageId page, const QByteArray& frame)
{
    const auto request = net::parsePageRequest(frame);
    const bool joined = secrets_.contains(page);
    using Kind = net::PageRequest::Kind;
    if (!request || joined == (request->kind == Kind::Join)) {
        web_.hangUp(page);
        return;
    }
    if (request->kind == Kind::Join)
        join(page, *request);
    else if (request->kind == Kind::Chat)
        lobby_.SSClientRead(page, net::chatMessage(QStringLiteral("：") + request->text.simplified()));
    else
        play(page, request->kind == Kind::Pass ? rules::Pass : request->cell);
}

// A known secret brings back its name and seat; an unknown one is a newcomer's.
void BrowserMembers::join(net::WebServer::PageId page, const net::PageRequest& request)
{
    QString secret = request.secret;
    if (Browser* b = browsers_.contains(secret) ? &browsers_[secret] : nullptr; b && b->page) {
        const net::WebServer::PageId old = std::exchange(b->page, 0);
        secrets_.remove(old);
        web_.hangUp(old);
        lobby_.closed(old);
    }
    if (!browsers_.contains(secret))
        secret = newSecret();
    Browser& b = browsers_[secret];
    b.name = net::memberName(b.name.isEmpty() ? request.text : b.name, lobby_.members());
    b.page = page;
    secrets_.insert(page, secret);
    lobby_.accepted(page);
    lobby_.SSClientRead(page, net::joinMessage(b.name));
}

// Checked here only to tell the page; the lobby and the match check it again as a guest's.
void BrowserMembers::play(net::WebServer::PageId page, rules::Cell cell)
{
    const Browser* b = of(page);
    if (!b->seat || !match_.mayMove(b->seat, cell)) {
        web_.send(page, net::refusedFrame());
        return;
    }
    lobby_.SSClientRead(page, net::moveMessage(0, cell.col, cell.row));
}

void BrowserMembers::closed(net::WebServer::PageId page)
{
    const auto it = secrets_.constFind(page);
    if (it == secrets_.cend())
        return;
    const QString secret = *it;
    secrets_.erase(it);
    Browser& b = browsers_[secret];
    b.page = 0;
    if (!b.seat)
        browsers_.remove(secret);
    lobby_.closed(page);
}

// Pages never take a seat by name; guests never take a browser's.
int BrowserMembers::claim(net::HostLobby::GuestId joiner, int byName) const
{
    if (const auto it = secrets_.constFind(joiner); it != secrets_.cend())
        return browsers_.value(*it).seat;
    return byName && seats_[std::size_t(byName)] ? 0 : byName;
}

void BrowserMembers::started()
{
    last_.reset();
    for (int seat = 1; seat <= rules::Seats; ++seat)
        if (auto& s = seats_[std::size_t(seat)]) {
            if (match_.player(seat) == s.get())
                match_.setPlayer(seat, nullptr);
            s.reset();
        }
    for (Browser& b : browsers_)
        b.seat = 0;
    browsers_.removeIf([](const auto& it) { return !it.value().page; });
}

void BrowserMembers::seatTaken(net::WebServer::PageId page, int seat)
{
    Browser* b = of(page);
    b->seat = seat <= rules::Seats ? seat : 0;
    auto& player = seats_[std::size_t(b->seat)];
    if (b->seat && !player)
        player = std::make_unique<BrowserSeat>([this](int s) { tellSeat(s); });
    // A returning page's seat is already its own, or still its stand-in's until the keeper lets go.
    if (b->seat && match_.running() && !match_.player(b->seat))
        match_.setPlayer(b->seat, player.get());
    tell(page);
}

// The page has the board at once: it is never behind, and its seat is its own again.
void BrowserMembers::seatReturned(int seat, net::HostLobby::GuestId guest)
{
    if (!secrets_.contains(guest) || !seats_[std::size_t(seat)] || !match_.running())
        return;
    lobby_.setBehind(guest, false);
    match_.setPlayer(seat, seats_[std::size_t(seat)].get());
    tell(guest);
}

void BrowserMembers::tell(net::WebServer::PageId page)
{
    const Browser* b = of(page);
    if (!b || !match_.game().started())
        return;
    const bool mine = b->seat && match_.player(b->seat) == seats_[std::size_t(b->seat)].get();
    const bool legal = mine && match_.running() && match_.game().curPlayer() == b->seat;
    web_.send(page, net::stateFrame(pageState(match_.game(), b->seat, last_ ? &*last_ : nullptr, legal)));
}

void BrowserMembers::tellSeat(int seat)
{
    for (auto it = secrets_.cbegin(); it != secrets_.cend(); ++it)
        if (browsers_.value(*it).seat == seat)
            tell(it.key());
}

// What the lobby sends a page, as the page's frames.
void BrowserMembers::send(net::HostLobby::GuestId to, const QStringList& message)
{
    const Browser* b = of(to);
    const auto kind = net::lineNumber(message, 0);
    if (!b || !kind)
        return;
    if (*kind == net::MsgJoin) {
        web_.send(to, net::joinedFrame(b->name, secrets_.value(to), message.mid(1)));
        tell(to);
    } else if (*kind == net::MsgLeave) {
        web_.send(to, net::membersFrame(message.mid(2), message.value(1)));
    } else if (*kind == net::MsgChat) {
        web_.send(to, net::chatFrame(message.mid(1).join(u'\n')));
    } else if (*kind == net::MsgStart) {
        if (const auto start = net::parseStart(message))
            seatTaken(to, start->seat);
    }
    // Moves reach the page as the game's state once applied (Match::moved).
}

void BrowserMembers::hangUp(net::HostLobby::GuestId guest)
{
    web_.hangUp(guest);
}

} // namespace match
