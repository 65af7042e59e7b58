#include "match/computerguest.h"
#include "match/station.h"
#include "net/lobbymessages.h"
#include "net/names.h"
#include "net/socketerror.h"
#include "rules/failure.h"

#include <QHostAddress>
#include <algorithm>

// The host's side of a station: listening, its members, its computer players and the start
// of each game. Who is a member and what goes to whom is the host lobby's business.
namespace match {

namespace {

// "CPU" with the smallest number no member has yet, and the level, untranslated: it travels.
QString computerName(ai::Level level, const QStringList& members)
{
    for (int n = 1;; ++n) {
        const QString prefix = QStringLiteral("CPU") + QString::number(n) + u'(';
        const bool taken =
            std::any_of(members.begin(), members.end(), [&](const QString& m) { return m.startsWith(prefix); });
        if (!taken)
            return ai::computerName(n, level);
    }
}

} // namespace

void Station::connectHost()
{
    net::HostLobby& lobby = server_.lobby();
    connect(&lobby, &net::HostLobby::chatLine, this, &Station::chatLine);
    connect(&lobby, &net::HostLobby::membersChanged, this, [this](const QStringList& names) {
        if (state_ == State::Hosting)
            setMembers(names);
    });
    connect(&lobby, &net::HostLobby::lobbyMessage, this, &Station::lobbyMessage);
    connect(&lobby, &net::HostLobby::enoughMembers, this, &Station::setCanStart);
    // Checked, applied and relayed in one step, then shown.
    connect(&lobby, &net::HostLobby::moveReceived, this,
            [this](int seat, const net::Move& m) { match_.playFor(seat, m.cell(), false); });
    connect(&lobby, &net::HostLobby::returnAsked, this, &Station::returnAsked);
    connect(&keeper_, &TableKeeper::chatLine, this, &Station::chatLine);
    connect(&server_, &net::HostServer::failed, this, &Station::failed);
}

QString Station::host(const QString& port, const QString& name)
{
    const quint16 number = net::portNumber(port, "bind");
    endAlone();
    setHost(true);
    const QString travelling = net::acceptName(name, {});
    server_.listen(number);
    setState(State::Hosting);
    emit chatLine(tr("◆サーバーとして接続を待機中"));
    server_.lobby().open(travelling);
    // Hosting goes on without the page, said in this lobby only: the desktops need no browser.
    const int web = webPort_ == WebPortBesideGame ? server_.port() + 1 : webPort_;
    if (web > 0 && web <= 65535)
        try {
            browsers_.listen(quint16(web));
        } catch (const Failure& failure) {
            emit chatLine(failure.text());
        }
    return travelling;
}

void Station::stopHosting()
{
    if (state_ != State::Hosting)
        return;
    guests_.clear();
    browsers_.close();
    server_.close();
    setCanStart(false);
    setState(State::Idle);
    setMembers({});
    emit chatLine(tr("◆サーバーを終了しました"));
}

void Station::startGame()
{
    if (!canStart_)
        return;
    match_.start(nextSettings_, net::HostSeat, members_);
    match_.openFirstTurn();
    server_.lobby().startGame(net::startSettings(nextSettings_, 0));
    setCanStart(false);
}

void Station::addComputer(ai::Level level)
{
    if (state_ != State::Hosting)
        return;
    QStringList taken = members_;
    taken << computerNames();
    auto guest = std::make_unique<ComputerGuest>(computerName(level, taken), level, this);
    connect(guest.get(), &ComputerGuest::failed, this, &Station::failed);
    guest->connectTo(QHostAddress(QHostAddress::LocalHost).toString(), server_.port());
    guests_.push_back(std::move(guest));
}

// It may be the computer's own signal that asks: it goes once that has returned.
void Station::removeComputer(const QString& name)
{
    const auto it = std::find_if(guests_.begin(), guests_.end(), [&](const auto& c) { return c->name() == name; });
    if (it == guests_.end())
        return;
    ComputerGuest* guest = it->release();
    guests_.erase(it);
    guest->leave();
    guest->deleteLater();
}

QStringList Station::computerNames() const
{
    QStringList names;
    for (const auto& c : guests_)
        names << c->name();
    return names;
}

void Station::allowReturn(const QString& name)
{
    if (state_ == State::Hosting && match_.running())
        server_.lobby().allowReturn(name);
}

void Station::removeMember(const QString& name)
{
    if (state_ == State::Hosting && !computerNames().contains(name))
        server_.lobby().removeMember(name);
}

} // namespace match
