#pragma once
#include "ai/level.h"
#include "match/computerseat.h"
#include "match/station.h"

#include <QObject>
#include <QTimer>

namespace match {

// A station with a computer in its seat and nothing else: it joins a host over the network as
// a guest, keeps its own game, and its computer plays the seat each start gives it.
class ComputerGuest : public QObject {
    Q_OBJECT
public:
    static constexpr int ConnectTimeoutMs = 10000;

    ComputerGuest(const QString& name, ai::Level level, QObject* parent = nullptr);
    ~ComputerGuest() override;

    void connectTo(const QString& host, quint16 port);
    // Says goodbye and closes the connection.
    void leave();
    // Keeps every game from now on as a record in the folder; a record that cannot be written
    // is said by recordFailed.
    void keepRecords(const QString& folder) { station_.keepRecords(folder); }

    const QString& name() const { return name_; }
    ai::Level level() const { return seat_.level(); }
    const rules::Game& game() const { return station_.match().game(); }

signals:
    void joined();
    // The host closed the connection, or it broke once joined.
    void ended();
    // Connecting failed; the reason is for the user.
    void failed(const QString& reason);
    void recordFailed(const QString& reason);

private:
    QString unreachable() const;
    void giveUp();

    QString name_;
    QString address_; // host:port, for the user
    Station station_;
    ComputerSeat seat_;
    QTimer connectTimer_;
    bool joined_ = false;
    bool gaveUp_ = false;
};

} // namespace match
