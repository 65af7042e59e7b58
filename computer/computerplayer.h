#pragma once
#include "ai/level.h"
#include "match/computerseat.h"
#include "match/station.h"
#include "record/recorder.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace computer {

// A station without windows that plays as a guest: it joins a host over the network, keeps its
// own game, and a computer seat plays the seat each start gives it.
class ComputerPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int ConnectTimeoutMs = 10000;

    ComputerPlayer(const QString& name, ai::Level level, QObject* parent = nullptr);
    ~ComputerPlayer() override;

    void connectTo(const QString& host, quint16 port);
    // Says goodbye and closes the connection.
    void leave();
    // Keeps every game from now on as a record in the folder.
    void keepRecords(const QString& folder, record::Recorder::Complaint complain);

    const QString& name() const { return name_; }
    ai::Level level() const { return seat_.level(); }
    const rules::Game& game() const { return station_.match().game(); }

signals:
    void joined();
    // The host closed the connection in order.
    void ended();
    // Connecting failed or the connection broke; the reason is for the user.
    void failed(const QString& reason);

private:
    QString unreachable() const;

    QString name_;
    QString address_; // host:port, for the user
    match::Station station_;
    match::ComputerSeat seat_;
    bool connected_ = false;
    QTimer connectTimer_;
    std::unique_ptr<record::Recorder> recorder_;
};

} // namespace computer
