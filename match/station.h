#pragma once
#include "ai/level.h"
#include "match/browsermembers.h"
#include "match/guesttable.h"
#include "match/hosttable.h"
#include "match/match.h"
#include "match/tablekeeper.h"
#include "net/guestlink.h"
#include "net/guestsession.h"
#include "net/hostserver.h"
#include "record/recorder.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

namespace match {

class ComputerGuest;

// One whole station without a window: its match and its record, its role, its members, its
// connections (the host's listening socket and computer players, or the guest's link to a
// host), a game alone, and when the next game may start. The lobby and the game window are
// handed it: they show what it tells and pass on what the player does. A computer player is a
// station with a computer in its seat and nothing else.
class Station : public QObject, private net::GuestLobby {
    Q_OBJECT
public:
    // Where the station stands with the other stations.
    enum class State { Idle, Hosting, Connecting, Joined };

    explicit Station(QObject* parent = nullptr);
    ~Station() override;

    Match& match() { return match_; }
    const Match& match() const { return match_; }
    const TableKeeper& keeper() const { return keeper_; }
    State state() const { return state_; }
    bool isHost() const { return host_; }
    // Host or guest for the next hosting or joining; the moves go out the role's way.
    void setHost(bool host);
    bool inSession() const { return state_ != State::Idle; }
    // A game goes on while this station hosts, is joined or plays alone.
    bool playing() const { return match_.running() && (inSession() || alone()); }
    // The member list: the host first, then the guests in the order they joined.
    const QStringList& members() const { return members_; }
    // The host's lobby and the guest's session keep it; a test may set it.
    void setMembers(const QStringList& names) override;
    // A line for this station's chat log only.
    void note(const QString& line) { emit chatLine(line); }
    // The port of the page for browsers while hosting: a port, 0 for none, or the game's + 1.
    static constexpr int WebPortBesideGame = -1;
    void setWebPort(int port) { webPort_ = port; }
    // The port the page is served on now; 0 while it is not.
    quint16 webServed() { return browsers_.web().isListening() ? browsers_.web().port() : 0; }
    BrowserMembers& browsers() { return browsers_; }
    // A chat line typed here goes to the guests, or to the host.
    void sendChat(const QString& line);

    // Every game from now on is kept in `folder`; a record that cannot be written is said by
    // recordFailed.
    void keepRecords(const QString& folder);
    // The game being kept and the last one written; null before keepRecords.
    const record::Recorder* recorder() const { return recorder_.get(); }

    // --- the host ---
    // Starts listening with the host as the only member, under the name as it travels, which
    // it returns; throws Failure (and stays idle) when the port cannot be listened on.
    QString host(const QString& port, const QString& name);
    quint16 port() const { return server_.port(); }
    // Connections the host holds, joined or still to join.
    qsizetype connectionCount() const { return server_.connectionCount(); }
    // Closes every connection without a word, the computer players' too.
    void stopHosting();
    // The settings the host's next game starts with.
    void setNextSettings(const rules::Settings& settings) { nextSettings_ = settings; }
    // Four members or more, and no game of this host still to be played on.
    bool canStartGame() const { return canStart_; }
    // Sets up the host's game, opens its first turn, then sends each guest its start; nothing
    // happens while canStartGame() is false.
    void startGame();
    // A computer player of this program joins this host over the loopback address.
    void addComputer(ai::Level level);
    void removeComputer(const QString& name);
    QStringList computerNames() const;
    // The host player sends a guest away: it leaves as if it had said goodbye.
    void removeMember(const QString& name);
    // The host player lets a member that returnAsked named take back the seat it lost.
    void allowReturn(const QString& name);

    // --- a guest ---
    // Starts connecting to the host under `name`; throws Failure when the port is no number.
    void join(const QString& host, const QString& port, const QString& name);
    // The player leaves: a goodbye while the connection can carry it, then nothing is left.
    void leave();

    // --- a game alone, against three computers of this process, with no socket ---
    // The person plays `seat` under members[seat - 1] and the computers the other seats at
    // `levels`, in seat order. Throws Failure while hosting or joined.
    void playAlone(const rules::Settings& settings, int seat, const QStringList& members,
                   const std::array<ai::Level, 3>& levels);
    bool alone() const { return !computers_.empty(); }
    // The game alone stops where it is, unfinished, and the station is the lobby's again.
    void endAlone();
    // The next game: alone, the same again; a host's as startGame starts it.
    bool canStartNewGame() const;
    void startNewGame();

    // --- the person leaves the game's window and comes back ---
    // Alone the game stops, kept as unfinished; in a network game automatic play keeps the
    // seat's turns going to the end, so the others never wait for it.
    void leaveGame();
    void backToGame();
    bool leftGame() const { return leftGame_; }
    // The person lets the station choose at random on its turns.
    void setAutoPlay(bool on);

signals:
    void chatLine(const QString& line);
    void membersChanged(const QStringList& names);
    // A join, leave or chat message arrived: the lobby rings.
    void lobbyMessage();
    void stateChanged(match::Station::State state);
    // Joined: the name as the host lists it.
    void joinedAs(const QString& name);
    // A member joined under the name of a seat this game lost, from another address than the
    // seat's: it watches until the host player allows it the seat (allowReturn).
    void returnAsked(const QString& name, int seat);
    // The host may start a game now, or no longer.
    void canStartGameChanged(bool can);
    // A guest's game is about to start with these settings.
    void starting(const rules::Settings& settings);
    // Something the user must be told in a box: a start the game could not take, a member's
    // connection that broke, a computer player that could not join.
    void failed(const QString& reason);
    void recordFailed(const QString& reason);

private:
    void connectHost();
    void connectGuest();
    void setState(State state);
    void setCanStart(bool can);
    void gameMoved(const rules::Outcome& outcome);
    void read(const QStringList& message);
    void linkUp();
    void linkEnded(const QString& notice);
    void closeLink();
    void updateAutoPlay();
    void beginAlone();
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
    std::unique_ptr<record::Recorder> recorder_;
    QStringList members_;
    State state_ = State::Idle;
    bool host_ = true;
    bool canStart_ = false;
    bool leftGame_ = false;
    bool autoPlay_ = false;
    QString joiningAs_; // the name a guest joins under, as typed
    rules::Settings nextSettings_;
    std::vector<std::unique_ptr<ComputerGuest>> guests_; // the host's computer players
    // A game alone: its computers, and what the same game again starts with.
    std::vector<std::unique_ptr<ComputerSeat>> computers_;
    struct AloneGame {
        rules::Settings settings;
        int seat = 1;
        QStringList members;
        std::array<ai::Level, 3> levels{};
    } aloneGame_;
    int webPort_ = 0;
};

} // namespace match
