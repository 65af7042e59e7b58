#pragma once
#include "match/player.h"
#include "match/table.h"
#include "rules/game.h"
#include "rules/outcome.h"
#include "rules/settings.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

namespace match {

// One station's game and its turn flow, without a window: the game, the station's own seat,
// the players of the seats played in this process, the turn's time limit and automatic play.
// Every move, whoever made it, is checked once, applied at once, announced through the table
// and then handed to whoever shows it (moved()); the next seat is asked only once the screen
// has caught up (setPacer), so a person never plays on a board that is still being drawn.
class Match : public QObject {
    Q_OBJECT
public:
    explicit Match(QObject* parent = nullptr);
    ~Match() override;

    const rules::Game& game() const { return game_; }
    // The seat of the person at this station in the game under way; 0 for none.
    int mySeat() const { return game_.mySeat(); }
    // This station's person may move: from the opening of the turn until the move is applied.
    bool myTurn() const { return myTurn_; }
    // A game is set up and not over.
    bool running() const { return game_.started() && !game_.gameOver() && !game_.abandoned(); }
    int timeLeft() const { return timeLeft_; }
    // The turn's time-out and countdown run: only in this station's person's turn, with a limit.
    bool timersRunning() const { return Timer.isActive() && counter.isActive(); }
    int timeoutInterval() const { return Timer.interval(); }

    // How moves reach the other stations; none in a game alone.
    void setTable(Table* table) { table_ = table; }
    // `player` moves for `seat` from the next turn of that seat on; null gives the seat back.
    void setPlayer(int seat, Player* player);
    Player* player(int seat) const { return players_[std::size_t(seat)]; }
    void setLog(rules::GameLog* log) { game_.setLog(log); }
    // Runs what it is given once everything handed out by moved() so far has been shown.
    using Pacer = std::function<void(std::function<void()>)>;
    void setPacer(Pacer pacer) { pacer_ = std::move(pacer); }
    // Moves that bring this station up to a game under way: shown at once, and no turn of this
    // station's seat opens until the catch-up is over.
    void setCatchingUp(bool on);
    bool catchingUp() const { return catchingUp_; }
    // The person lets the station choose at random from the next turn on.
    void setAutoPlay(bool on) { autoPlay_ = on; }
    // How long a second of the turn's time lasts; tests shorten it.
    void setSecondMs(int ms) { secondMs_ = ms; }
    int secondMs() const { return secondMs_; }
    // Seeds automatic play's draw, once per draw: the time of day unless a test fixes it.
    void setSeed(std::function<unsigned()> seed) { seed_ = std::move(seed); }

    // A new game in which this station's person plays `seat` (0 for none). Throws Failure when
    // fewer than four members are listed; no turn opens.
    void start(const rules::Settings& settings, int seat, const QStringList& members);
    // The station is cut off from the others: the game stops where it is, unfinished.
    void abandon();
    // Opens the game's first turn when it is this station's seat's, automatic play included.
    void openFirstTurn();
    // Takes the game up from a position, as a test or a benchmark sets one; nothing is shown.
    void resume(const rules::Position& position) { game_.resume(position); }

    // --- the person at this station ---
    // A cell chosen on the board: refused() when it is not legal, else the move.
    bool TableSelectCell(int col, int row);
    void BtnPassClick();
    void tekitoo();

    // A move for `seat`, from a player in this process or from another station: applied when
    // the seat is to move and the cell is legal or a pass, and answered true.
    bool playFor(int seat, rules::Cell cell, bool madeHere);
    bool mayMove(int seat, rules::Cell cell) const;
    // The last `count` moves are undone; the screen shows the game as it now stands.
    void takeBack(int count);

    // --- a game alone: its moves reached no other station, so they may be taken back ---
    // Back to this station's seat's last turn, the other seats' replies with it.
    bool canUndo() const;
    void undo();
    // The moves taken back, played again up to this station's seat's next turn.
    bool canRedo() const;
    void redo();

signals:
    void started();
    // Applied and announced; shown from here on.
    void moved(const rules::Outcome& outcome);
    void refused(); // the buzz of a cell where no face may go
    void turnOpened();
    void turnClosed();
    // Another station's seat is to move, and shown so.
    void awaiting(int seat);
    // The game stopped before its end (abandon).
    void stopped();
    void timeLeftChanged(const QString& text);
    // The game went back or forward by several moves at once (undo, redo): shown whole at once.
    void jumped();

private:
    void apply(rules::Cell cell, bool madeHere);
    void askNext();
    void BeginLocalTurn();
    void openTurn();
    void closeTurn();
    void TimerTimer();
    void counterTimer();
    void showCountdown();
    void stopPlayers();
    void leaveTurn();

    rules::Game game_;
    bool myTurn_ = false;
    bool autoPlay_ = false;
    bool catchingUp_ = false;
    int timeLeft_ = rules::NoLimit;
    int secondMs_ = 1000;
    int turnSerial_ = 0;              // counts changes of turn, so that a late opening is dropped
    std::vector<rules::Cell> undone_; // the moves taken back, the next first
    std::array<Player*, 5> players_{};
    Table* table_ = nullptr;
    Pacer pacer_;
    std::function<unsigned()> seed_;
    QTimer Timer;   // the turn's time-out
    QTimer counter; // the countdown, once a second
    QTimer autoPause_;
};

} // namespace match
