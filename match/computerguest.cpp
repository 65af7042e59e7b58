#include "match/computerguest.h"

namespace match {

ComputerGuest::ComputerGuest(const QString& name, ai::Level level, QObject* parent)
    : QObject(parent), name_(name), seat_(level)
{
    Match& match = station_.match();
    // Each start gives the seat this computer plays in that game.
    connect(&match, &Match::started, this, [this, &match] { match.setPlayer(match.mySeat(), &seat_); });
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, &ComputerGuest::giveUp);
    connect(&station_, &Station::joinedAs, this, [this](const QString& joinedAs) {
        connectTimer_.stop();
        joined_ = true;
        name_ = joinedAs;
        emit joined();
    });
    connect(&station_, &Station::stateChanged, this, [this](Station::State state) {
        if (state != Station::State::Idle)
            return;
        if (joined_)
            emit ended();
        else
            giveUp();
    });
    connect(&station_, &Station::recordFailed, this, &ComputerGuest::recordFailed);
}

ComputerGuest::~ComputerGuest()
{
    station_.disconnect(this);
    station_.match().setPlayer(station_.match().mySeat(), nullptr);
}

void ComputerGuest::connectTo(const QString& host, quint16 port)
{
    address_ = host + u':' + QString::number(port);
    connectTimer_.start(ConnectTimeoutMs);
    joined_ = gaveUp_ = false;
    station_.join(host, QString::number(port), name_);
}

QString ComputerGuest::unreachable() const
{
    return tr("サーバー %1 に接続できません").arg(address_);
}

// Said once, however the attempt ended.
void ComputerGuest::giveUp()
{
    if (std::exchange(gaveUp_, true))
        return;
    connectTimer_.stop();
    station_.leave();
    emit failed(unreachable());
}

void ComputerGuest::leave()
{
    station_.leave();
}

} // namespace match
