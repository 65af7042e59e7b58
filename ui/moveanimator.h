#pragma once
#include "rules/showtime.h"
#include "rules/board.h"
#include "rules/game.h"
#include "rules/outcome.h"
#include "rules/scoring.h"
#include "ui/movescreen.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

namespace ui {

// Shows moves over time on a timer, in the order they were made: the placed face and each
// face taken with its sound and score, 100 ms apart, the jewels' turn in five frames 20 ms
// apart, then the lamps and the caption. It keeps the board as shown so far, which may lag
// behind the game's; a move is never shown before the one before it has ended, and what is
// to run after the shown moves (then) waits behind them. The thread never sleeps.
class MoveAnimator : public QObject {
    Q_OBJECT
public:
    static constexpr int FacePauseMs = rules::FacePauseMs;
    static constexpr int FramePauseMs = rules::FramePauseMs;
    static constexpr int Frames = rules::RotationFrames;
    // Scales every pause; tests and benchmarks set 0 to show each move whole at once.
    static inline int pauseFactor = 1;

    explicit MoveAnimator(MoveScreen& screen, QObject* parent = nullptr);

    // A new game's board, shown at once; whatever was still to be shown goes.
    void reset(const rules::Board& board, rules::Scoring scoring);
    // A move caught up with (one played before this station came back to the game) is shown
    // whole at once and silently.
    void show(const rules::Outcome& outcome, bool caughtUp = false);
    // The game went back to `game`'s position: what was still to be shown goes, and the board,
    // its last-move mark, the scores and the lamps are shown as they now stand.
    void rewind(const rules::Game& game);
    void then(std::function<void()> action);
    bool idle() const { return steps_.empty() && !timer_.isActive(); }

    const rules::Board& board() const { return board_; }
    rules::Cell last() const { return last_; }

private:
    struct Step {
        std::function<void()> act;
        int pauseMs = 0; // after it
        bool silent = false;
    };
    void add(std::function<void()> act, int pauseMs = 0);
    void addPlacement(const rules::Outcome& outcome);
    void addRotation();
    void sound(Sound sound);
    void oneRotate(int frame, int col, int row, int direction);
    void run();

    MoveScreen& screen_;
    rules::Board board_;
    rules::Scoring scoring_ = rules::Scoring::Points;
    rules::Cell last_;
    std::deque<Step> steps_;
    QTimer timer_;
    bool running_ = false;
    bool hurried_ = false; // the steps being added are a caught-up move's
    bool silent_ = false;  // the step running is
};

} // namespace ui
