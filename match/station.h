#pragma once
#include "match/browsermembers.h"
#include "match/guesttable.h"
#include "match/hosttable.h"
#include "match/match.h"
#include "match/tablekeeper.h"
#include "net/guestlink.h"
#include "net/guestsession.h"
#include "net/hostserver.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

namespace match {

// One station without a window: its match, its role, its members and its connections, the
// host's listening socket or the guest's link to a host. The lobby and the game window show
// what it tells and pass on what the player does; a computer player is a station with a
// computer in its seat and no window at all.
class Station : public QObject, private net::GuestLobby {
    Q_OBJECT
public:
    explicit Station(QObject* parent = nullptr);
    ~Station() override;

    Match& match() { return match_; }
    const TableKeeper& keeper() const { return keeper_; }
    const Match& match() const { return match_; }
    net::HostServer& server() { return server_; }
    net::GuestLink& link() { return link_; }
    net::GuestSession& session() { return session_; }

    bool isHost() const { return host_; }
    // Hosting or joining as the lobby's role says; the moves go out the role's way.
    void setHost(bool host);
    bool inSession() const { return server_.isListening() || link_.isConnected(); }
    // The member list: the host first, then the guests in the order they joined.
    const QStringList& members() const { return members_; }
    // The host's lobby and the guest's session keep it; a test may set it.
    void setMembers(const QStringList& names) override;

    // Host side. Starts listening with the host as the only member; throws Failure.
    void host(quint16 port, const QString& name);
    // The port of the page for browsers while hosting: a port, 0 for none, or the game's + 1.
    static constexpr int WebPortBesideGame = -1;
    void setWebPort(int port) { webPort_ = port; }
    // The port the page is served on now; 0 while it is not.
    quint16 webServed() { return browsers_.web().isListening() ? browsers_.web().port() : 0; }
    BrowserMembers& browsers() { return browsers_; }
    void stopHosting();
    // Sets up the host's game, opens its first turn, then sends each guest its start; throws
    // Failure when fewer than four members are listed.
    void startGame(const rules::Settings& settings);
    // Guest side: the connection closes, saying goodbye while it can, and the members go.
    void leave();
    // A chat line typed here goes to the guests, or to the host.
    void sendChat(const QString& line);

    // A game against three computers played in this process, with no socket and no table: the
    // person plays `seat` under members[seat - 1], and the computers the other seats at
    // `levels`, in seat order. Ends the game alone before it; throws Failure while hosting or
    // joined, or with fewer than four members.
    void playAlone(const rules::Settings& settings, int seat, const QStringList& members,
                   const std::array<ai::Level, 3>& levels);
    bool alone() const { return !computers_.empty(); }
    // The game alone stops where it is, unfinished, and the station is the lobby's again.
    void endAlone();

signals:
    void chatLine(const QString& line);
    void membersChanged(const QStringList& names);
    // A join, leave or chat message arrived: the lobby rings.
    void lobbyMessage();
    // Four members make a game; fewer take the host's settings away again.
    void enoughMembers(bool enough);
    // A guest's game is about to start with these settings.
    void starting(const net::StartSettings& settings);
    // A message from the host could not be acted on; the reason is for the user.
    void failed(const QString& reason);

private:
    void read(const QStringList& message);
    // net::GuestLobby
    void addChat(const QString& line) override { emit chatLine(line); }
    void ring() override { emit lobbyMessage(); }

    Match match_;
    net::HostServer server_;
    net::GuestLink link_;
    HostTable hostTable_{server_.lobby()};
    TableKeeper keeper_{match_, server_.lobby()};
    BrowserMembers browsers_{match_, server_}; // after the keeper: it takes a returning seat after the keeper lets go
    GuestTable guestTable_;
    net::GuestSession session_;
    QStringList members_;
    bool host_ = true;
    int webPort_ = 0;
    std::vector<std::unique_ptr<ComputerSeat>> computers_; // in a game alone
};

} // namespace match
