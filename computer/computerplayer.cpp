#include "computer/computerplayer.h"

#include "ai/choose.h"
#include "rules/failure.h"

#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <random>

namespace computer {

ComputerPlayer::ComputerPlayer(const QString& name, ai::Level level, QObject* parent)
    : QObject(parent), name_(name), level_(level)
{
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        link_.close();
        emit failed(unreachable());
    });
    connect(&link_, &net::GuestLink::connected, this, [this] {
        connectTimer_.stop();
        connected_ = true;
        name_ = session_.CSConnect(name_);
        emit joined();
    });
    connect(&link_, &net::GuestLink::messageArrived, this, &ComputerPlayer::read);
    connect(&link_, &net::GuestLink::closing, this, [this] {
        session_.CSDisconnect();
        emit ended();
    });
    connect(&link_, &net::GuestLink::failed, this, [this] {
        connectTimer_.stop();
        link_.close();
        emit failed(connected_ ? tr("サーバーとの接続が切れました") : unreachable());
    });
    connect(&watcher_, &QFutureWatcher<rules::Cell>::finished, this, [this] {
        const int generation = thinkingFor_;
        const rules::Cell cell = watcher_.result();
        // The move waits until people have had a moment to see the last one.
        const qint64 wait = std::max<qint64>(0, movePauseMs - turnClock_.elapsed());
        QTimer::singleShot(wait, this, [this, cell, generation] { play(cell, generation); });
    });
}

// A search still running finishes before the player goes: it reads only its own copy.
void ComputerPlayer::keepRecords(const QString& folder, record::Recorder::Complaint complain)
{
    recorder_ = std::make_unique<record::Recorder>(folder, std::move(complain));
    game_.setLog(recorder_.get());
}

ComputerPlayer::~ComputerPlayer()
{
    link_.disconnect(this);
    watcher_.waitForFinished();
}

void ComputerPlayer::connectTo(const QString& host, quint16 port)
{
    address_ = host + u':' + QString::number(port);
    connected_ = false;
    connectTimer_.start(ConnectTimeoutMs);
    link_.connectTo(host, port);
}

QString ComputerPlayer::unreachable() const
{
    return tr("サーバー %1 に接続できません").arg(address_);
}

void ComputerPlayer::leave()
{
    link_.close();
}

// Nothing may leave a handler of the event loop by an exception: a start the game cannot take
// leaves this player without a game until the next one.
void ComputerPlayer::read(const QStringList& message)
{
    try {
        session_.CSRead(message);
    } catch (const Failure&) {
    }
    if (game_.myTurn() && !game_.gameOver() && !thinking_)
        think();
}

rules::Game* ComputerPlayer::startGame(const net::StartSettings& settings)
{
    seat_ = settings.seat;
    ++generation_;
    game_.Reset(settings.game(), members_);
    return &game_;
}

void ComputerPlayer::think()
{
    thinking_ = true;
    thinkingFor_ = generation_;
    turnClock_.start();
    const rules::Position position = game_.position();
    const ai::Level level = level_;
    const auto seed = std::random_device{}();
    watcher_.setFuture(QtConcurrent::run([position, level, seed] {
        std::mt19937 rng(seed);
        return ai::chooseCell(position, level, rng);
    }));
}

void ComputerPlayer::play(rules::Cell cell, int generation)
{
    thinking_ = false;
    if (!game_.myTurn() || game_.gameOver())
        return;
    if (generation != generation_) { // chosen for an earlier game: this one needs its own
        think();
        return;
    }
    if (cell.isPass())
        game_.BtnPassClick();
    else
        game_.TableSelectCell(cell.col, cell.row);
}

void ComputerPlayer::announce(int col, int row)
{
    session_.sendgameinfo(game_, col, row);
}

} // namespace computer
