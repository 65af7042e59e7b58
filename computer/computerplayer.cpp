#include "computer/computerplayer.h"

namespace computer {

ComputerPlayer::ComputerPlayer(const QString& name, ai::Level level, QObject* parent)
    : QObject(parent), name_(name), seat_(level)
{
    station_.setHost(false);
    match::Match& match = station_.match();
    // Each start gives the seat this computer plays in that game.
    connect(&match, &match::Match::started, this, [this, &match] { match.setPlayer(match.mySeat(), &seat_); });
    net::GuestLink& link = station_.link();
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this, &link] {
        link.close();
        emit failed(unreachable());
    });
    connect(&link, &net::GuestLink::connected, this, [this] {
        connectTimer_.stop();
        connected_ = true;
        name_ = station_.session().CSConnect(name_);
        emit joined();
    });
    connect(&link, &net::GuestLink::closing, this, [this] {
        station_.session().CSDisconnect();
        emit ended();
    });
    connect(&link, &net::GuestLink::failed, this, [this, &link] {
        connectTimer_.stop();
        link.close();
        emit failed(connected_ ? tr("サーバーとの接続が切れました") : unreachable());
    });
}

ComputerPlayer::~ComputerPlayer()
{
    station_.link().disconnect(this);
    station_.match().setPlayer(station_.match().mySeat(), nullptr);
}

void ComputerPlayer::keepRecords(const QString& folder, record::Recorder::Complaint complain)
{
    recorder_ = std::make_unique<record::Recorder>(folder, std::move(complain));
    station_.match().setLog(recorder_.get());
}

void ComputerPlayer::connectTo(const QString& host, quint16 port)
{
    address_ = host + u':' + QString::number(port);
    connected_ = false;
    connectTimer_.start(ConnectTimeoutMs);
    station_.link().connectTo(host, port);
}

QString ComputerPlayer::unreachable() const
{
    return tr("サーバー %1 に接続できません").arg(address_);
}

void ComputerPlayer::leave()
{
    station_.link().close();
}

} // namespace computer
