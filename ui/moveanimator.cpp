#include "ui/moveanimator.h"

#include <utility>

namespace ui {

namespace {

// The way each of the direction codes 1..8 travels; five frames make one cell.
constexpr rules::Direction Toward[] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {1, -1}, {-1, -1}, {-1, 1}};

// Cells that the diagonal paths of the odd board's jewels cross, in redraw order.
constexpr int CrossedCells[][2] = {{0, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};

} // namespace

MoveAnimator::MoveAnimator(MoveScreen& screen, QObject* parent) : QObject(parent), screen_(screen)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &MoveAnimator::run);
}

void MoveAnimator::reset(const rules::Board& board, rules::Scoring scoring)
{
    timer_.stop();
    steps_.clear();
    board_ = board;
    scoring_ = scoring;
    last_ = rules::Pass;
}

void MoveAnimator::then(std::function<void()> action)
{
    add(std::move(action));
}

void MoveAnimator::show(const rules::Outcome& o, bool caughtUp)
{
    hurried_ = caughtUp;
    if (!o.isPass())
        addPlacement(o);
    if (o.over)
        add([this] { screen_.showEnd(); });
    else {
        if (o.jewelsTurned)
            addRotation();
        add([this, o] {
            screen_.showLamp(o.mover, false);
            screen_.showLamp(o.next, true);
            screen_.showTurn(o.next);
        });
    }
    hurried_ = false;
}

void MoveAnimator::rewind(const rules::Game& game)
{
    timer_.stop();
    steps_.clear();
    // Cells emptied by the moves taken back, and the old last-move mark, go with the rest.
    for (int col = 0; col < board_.size(); ++col)
        for (int row = 0; row < board_.size(); ++row)
            screen_.Del(col, row);
    board_ = game.board();
    last_ = {game.lastCol(), game.lastRow()};
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        screen_.showScore(seat, game.scores()[std::size_t(seat)]);
        screen_.showLamp(seat, seat == game.curPlayer());
    }
    screen_.showTurn(game.curPlayer());
    screen_.repaintBoard();
}

void MoveAnimator::sound(Sound s)
{
    if (!silent_)
        screen_.play(s);
}

void MoveAnimator::addPlacement(const rules::Outcome& o)
{
    add(
        [this, o] {
            sound(Sound::Put);
            if (last_ != rules::Pass)
                screen_.Del(last_.col, last_.row); // the old last-move mark goes at the next repaint
            last_ = o.cell;
            board_[o.cell.col][o.cell.row] = rules::Code(o.mover);
            if (scoring_ == rules::Scoring::Count) { // the placed face scores only by count
                screen_.showScore(o.mover, o.placedScore);
                screen_.showGain(0);
            }
            screen_.repaintBoard();
        },
        FacePauseMs);
    for (std::size_t i = 0; i < o.taken.size(); ++i)
        add(
            [this, mover = o.mover, take = o.taken[i], taken = int(i) + 1] {
                screen_.showScore(take.victim, take.victimScore);
                board_[take.cell.col][take.cell.row] = rules::Code(mover);
                sound(Sound::Flip);
                screen_.showScore(mover, take.moverScore);
                screen_.showGain(taken);
                screen_.repaintBoard();
            },
            FacePauseMs);
}

void MoveAnimator::addRotation()
{
    add([this] { sound(Sound::Rotate); }, FramePauseMs);
    for (int frame = 1; frame <= Frames; ++frame)
        add(
            [this, frame] {
                const int center = board_.size() / 2;
                for (const rules::JewelCell& cell : board_.jewelCells())
                    oneRotate(frame, center + cell.dc, center + cell.dr, cell.direction);
            },
            frame < Frames ? FramePauseMs : 0);
}

// (col, row) is one of the four jewel cells; direction is its code 1..8.
void MoveAnimator::oneRotate(int frame, int col, int row, int direction)
{
    const int center = board_.size() / 2;
    screen_.Del(col, row);
    if (board_.size() % 2 == 1)
        for (const auto& offset : CrossedCells) {
            const int c = center + offset[0];
            const int r = center + offset[1];
            screen_.Del(c, r);
            if (board_[c][r] != rules::Empty)
                screen_.Put(c, r, board_[c][r]);
        }
    screen_.PutOnTheWay(col, row, Toward[direction], frame, Frames, board_[col][row]);
    if (frame < Frames)
        return;
    board_.turnJewel(col, row);
    screen_.repaintBoard();
}

void MoveAnimator::add(std::function<void()> act, int pauseMs)
{
    steps_.push_back({std::move(act), hurried_ ? 0 : pauseMs, hurried_});
    if (!running_ && !timer_.isActive())
        run();
}

// Steps run one after another until one asks for a pause; what a step adds waits its turn.
void MoveAnimator::run()
{
    running_ = true;
    while (!steps_.empty()) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        silent_ = step.silent;
        step.act();
        if (step.pauseMs > 0 && pauseFactor > 0) {
            timer_.start(step.pauseMs * pauseFactor);
            break;
        }
    }
    running_ = false;
}

} // namespace ui
