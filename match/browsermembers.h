#pragma once
#include "match/browserseat.h"
#include "net/hostlobby.h"
#include "net/pageprotocol.h"
#include "net/webserver.h"
#include "rules/outcome.h"

#include <QHash>
#include <QObject>
#include <array>
#include <memory>
#include <optional>

namespace net {
class HostServer;
}

namespace match {

class Match;

// The host's side of the members that joined from a browser's page. To the lobby each page is
// one more guest, speaking the guests' messages: its join, chat and moves go in as a guest's
// and are checked as a guest's; what the lobby sends it is turned into the page's frames, with
// the game as it stands. Each page gets a secret: only that secret takes a browser's seat back
// (a name alone never does), and while a browser's seat is away the host plays it as it plays
// any lost seat.
class BrowserMembers : public QObject, private net::HostLobby::Transport {
    Q_OBJECT
public:
    BrowserMembers(Match& match, net::HostServer& server, QObject* parent = nullptr);
    ~BrowserMembers() override;

    // Serves the page while hosting; throws Failure when the port cannot be had.
    void listen(quint16 port);
    // Every page is closed and every secret forgotten.
    void close();
    net::WebServer& web() { return web_; }
    // A page's frame, as the web server hands it on.
    void received(net::WebServer::PageId page, const QByteArray& frame);
    void closed(net::WebServer::PageId page);

private:
    struct Browser {
        QString name;
        int seat = 0;                    // in the game under way, 0 for none
        net::WebServer::PageId page = 0; // 0 while away
    };
    void join(net::WebServer::PageId page, const net::PageRequest& request);
    void play(net::WebServer::PageId page, rules::Cell cell);
    Browser* of(net::WebServer::PageId page);
    int claim(net::HostLobby::GuestId joiner, int byName) const;
    void started();
    void seatTaken(net::WebServer::PageId page, int seat);
    void seatReturned(int seat, net::HostLobby::GuestId guest);
    void tell(net::WebServer::PageId page);
    void tellSeat(int seat);
    // net::HostLobby::Transport, for the pages' ids
    void send(net::HostLobby::GuestId to, const QStringList& message) override;
    void hangUp(net::HostLobby::GuestId guest) override;

    Match& match_;
    net::HostLobby& lobby_;
    net::WebServer web_;
    QHash<QString, Browser> browsers_;                  // by secret
    QHash<net::WebServer::PageId, QString> secrets_;    // of the pages that joined
    std::array<std::unique_ptr<BrowserSeat>, 5> seats_; // the seats browsers play this game
    std::optional<rules::Outcome> last_;                // the game's last move
};

} // namespace match
