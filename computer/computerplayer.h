#pragma once
#include "ai/level.h"
#include "computer/silent.h"
#include "record/recorder.h"
#include "net/guestlink.h"
#include "net/guestsession.h"
#include "rules/game.h"
#include "rules/position.h"
#include "rules/station.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

namespace computer {

// A station without windows that plays as a guest: it joins a host over the network, keeps its
// own game, and on its turn sends the move that its level chooses. The choosing runs on a
// worker thread and hands back only the cell; the game stays on this thread.
class ComputerPlayer : public QObject, private SilentStation, private net::GuestStation {
    Q_OBJECT
public:
    // People follow the game better when a computer's move does not come at once; tests
    // play without it.
    static inline int movePauseMs = 300;
    static constexpr int ConnectTimeoutMs = 10000;

    ComputerPlayer(const QString& name, ai::Level level, QObject* parent = nullptr);
    ~ComputerPlayer() override;

    void connectTo(const QString& host, quint16 port);
    // Says goodbye and closes the connection.
    void leave();
    // Keeps every game from now on as a record in the folder.
    void keepRecords(const QString& folder, record::Recorder::Complaint complain);

    const QString& name() const { return name_; }
    ai::Level level() const { return level_; }
    const rules::Game& game() const { return game_; }

signals:
    void joined();
    // The host closed the connection in order.
    void ended();
    // Connecting failed or the connection broke; the reason is for the user.
    void failed(const QString& reason);

private:
    // rules::Station
    int mySeat() const override { return seat_; }
    void announce(int col, int row) override;
    // net::GuestStation
    void addChat(const QString&) override {}
    void setMembers(const QStringList& names) override { members_ = names; }
    rules::Game* startGame(const net::StartSettings& settings) override;

    QString unreachable() const;
    void read(const QStringList& message);
    void think();
    void play(rules::Cell cell, int generation);

    QString name_;
    QString address_; // host:port, for the user
    ai::Level level_;
    SilentView view_;
    rules::Game game_{view_, *this};
    net::GuestLink link_;
    net::GuestSession session_{link_, *this};
    QStringList members_;
    int seat_ = 0; // in the game under way, as its start said
    bool connected_ = false;
    int generation_ = 0; // counts games, so that a choice made for an earlier one is dropped
    bool thinking_ = false;
    int thinkingFor_ = 0; // the game the search under way is for
    QElapsedTimer turnClock_;
    QTimer connectTimer_;
    QFutureWatcher<rules::Cell> watcher_;
    std::unique_ptr<record::Recorder> recorder_;
};

} // namespace computer
