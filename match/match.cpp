#include "match/match.h"

#include <QCoreApplication>
#include <QTime>
#include <random>

namespace match {

namespace {

// Automatic play waits this long before it chooses, so that its move is not lost in the last.
constexpr int AutoPlayPauseMs = 100;

unsigned timeOfDay()
{
    return unsigned(QTime::currentTime().msecsSinceStartOfDay());
}

} // namespace

Match::Match(QObject* parent) : QObject(parent), seed_(timeOfDay)
{
    autoPause_.setSingleShot(true);
    autoPause_.setInterval(AutoPlayPauseMs);
    connect(&Timer, &QTimer::timeout, this, &Match::TimerTimer);
    connect(&counter, &QTimer::timeout, this, &Match::counterTimer);
    connect(&autoPause_, &QTimer::timeout, this, &Match::tekitoo);
}

Match::~Match()
{
    stopPlayers();
}

void Match::setPlayer(int seat, Player* player)
{
    Player* old = std::exchange(players_[std::size_t(seat)], player);
    if (old)
        old->stop();
    // A seat taken over or given back while it is to move is asked at once, and only its new
    // player's move counts.
    if ((player || old) && running() && game_.curPlayer() == seat) {
        closeTurn();
        ++turnSerial_;
        askNext();
    }
}

void Match::setCatchingUp(bool on)
{
    if (std::exchange(catchingUp_, on) && !on && running() && game_.curPlayer() == mySeat() && !myTurn_)
        askNext();
}

void Match::start(const rules::Settings& settings, int seat, const QStringList& members)
{
    catchingUp_ = false;
    leaveTurn(); // a turn of the last game must not stay open: a move made there would reach nobody
    undone_.clear();
    game_.Reset(settings, members, seat);
    timeLeft_ = game_.timeLimit();
    Timer.setInterval(game_.timeLimit() * secondMs_);
    counter.setInterval(secondMs_);
    emit started();
}

void Match::openFirstTurn()
{
    if (running() && game_.curPlayer() == mySeat())
        BeginLocalTurn();
}

void Match::abandon()
{
    if (!running())
        return;
    leaveTurn();
    game_.abandon();
    emit stopped();
}

bool Match::TableSelectCell(int col, int row)
{
    if (!myTurn_)
        return false;
    if (!game_.Search_Face(col, row)) {
        emit refused();
        return false;
    }
    apply({col, row}, true);
    return true;
}

void Match::BtnPassClick()
{
    if (myTurn_)
        apply(rules::Pass, true);
}

// A pass is (-1, -1) alone: any other cell off the board is refused, never read as a pass.
bool Match::mayMove(int seat, rules::Cell cell) const
{
    return running() && seat == game_.curPlayer() && (cell == rules::Pass || game_.Search_Face(cell.col, cell.row));
}

bool Match::playFor(int seat, rules::Cell cell, bool madeHere)
{
    if (!mayMove(seat, cell))
        return false;
    apply(cell, madeHere);
    return true;
}

// Checked already: applied, announced, then shown; the next seat is asked once it shows.
void Match::apply(rules::Cell cell, bool madeHere)
{
    closeTurn();
    ++turnSerial_;
    undone_.clear(); // a new move starts another line of play
    const rules::Outcome outcome = game_.play(cell);
    if (table_)
        table_->announce(outcome.next, cell, madeHere);
    emit moved(outcome);
    if (!outcome.over)
        askNext();
}

void Match::takeBack(int count)
{
    leaveTurn();
    game_.takeBack(count);
    emit jumped();
}

void Match::askNext()
{
    const int serial = turnSerial_;
    const auto ask = [this, serial] {
        if (serial != turnSerial_ || !running())
            return;
        const int seat = game_.curPlayer();
        if (seat == mySeat() && catchingUp_)
            return; // asked again once the catch-up is over
        if (Player* p = players_[std::size_t(seat)])
            p->yourTurn(*this, seat);
        else if (seat == mySeat())
            BeginLocalTurn();
        else
            emit awaiting(seat);
    };
    if (pacer_)
        pacer_(ask);
    else
        ask();
}

void Match::BeginLocalTurn()
{
    openTurn();
    if (autoPlay_)
        autoPause_.start();
}

// The timers follow the limit this game was started with.
void Match::openTurn()
{
    myTurn_ = true;
    if (game_.timeLimit() < rules::NoLimit) {
        Timer.start();
        counter.start();
    }
    emit turnOpened();
}

// The turn is over: its timers stop and the countdown shows the full time again.
void Match::closeTurn()
{
    autoPause_.stop();
    const bool wasOpen = std::exchange(myTurn_, false);
    if (game_.timeLimit() < rules::NoLimit && game_.started()) {
        Timer.stop();
        counter.stop();
        timeLeft_ = game_.timeLimit();
        showCountdown();
    }
    if (wasOpen)
        emit turnClosed();
}

void Match::tekitoo()
{
    if (!myTurn_)
        return;
    const auto cells = game_.legalCells();
    if (cells.empty()) {
        BtnPassClick();
        return;
    }
    std::mt19937 generator(seed_());
    std::uniform_int_distribution<std::size_t> pick(0, cells.size() - 1);
    const auto [col, row] = cells[pick(generator)];
    TableSelectCell(col, row);
}

// A tick queued before the turn ended is stale: it never passes for the next seat.
void Match::TimerTimer()
{
    if (!myTurn_)
        return;
    emit timeLeftChanged(QCoreApplication::translate("rules::Game", "時間切れ"));
    BtnPassClick();
}

void Match::counterTimer()
{
    if (!myTurn_)
        return;
    --timeLeft_;
    showCountdown();
}

void Match::showCountdown()
{
    emit timeLeftChanged(QCoreApplication::translate("rules::Game", "残り%1秒").arg(timeLeft_));
}

// Whoever was to move stops: an open turn closes, a search under way is dropped.
void Match::leaveTurn()
{
    closeTurn();
    stopPlayers();
    ++turnSerial_;
}

void Match::stopPlayers()
{
    for (Player* p : players_)
        if (p)
            p->stop();
}

} // namespace match
