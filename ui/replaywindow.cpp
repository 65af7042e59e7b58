#include "ui/replaywindow.h"
#include "rules/ranking.h"
#include "rules/notation.h"
#include "ui/boardgrid.h"
#include "ui/chancegraph.h"
#include "ui/elidedlabel.h"
#include "ui/fittedboard.h"
#include "ui/gameresult.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

// Milliseconds a move stays while the replay plays on, as the pace box offers them.
constexpr int Paces[] = {2000, 1000, 500, 200};
constexpr int UsualPace = 1;

} // namespace

ReplayWindow::ReplayWindow(const record::Reading& reading, const BoardImages& images, const BoardImages& larger,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), replay_(*reading.game), images_(images), larger_(larger)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        tr("記録の再生 %1").arg(reading.game->played.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    createControls(reading.problem.isEmpty() ? QString()
                                             : tr("%1行目: %2").arg(reading.problemLine).arg(reading.problem));
    board_->setPictures(&images_, &larger_);
    connect(&player_, &QTimer::timeout, this, &ReplayWindow::step);
    // The board starts clean each time it is shown: what was drawn before did not show.
    connect(board_, &BoardGrid::cleared, this, &ReplayWindow::drawBoard);
    createArrowKeys();
    showMove(0);
}

// The reader's complaint, if any, comes before the replay's own: it is why the moves end early.
void ReplayWindow::createControls(const QString& readingProblem)
{
    board_ = new BoardGrid;
    board_->setGridSize(replay_.game().boardSize);
    board_->setAccessibleName(tr("盤"));
    board_->setFocusPolicy(Qt::NoFocus); // the replay is not played on
    auto* side = new QVBoxLayout;
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        auto* name = new ElidedLabel(replay_.game().name(seat));
        auto* line = new QHBoxLayout;
        auto* piece = new QLabel;
        piece->setPixmap(images_[std::size_t(seat)]);
        line->addWidget(piece);
        line->addWidget(name, 1);
        scores_[std::size_t(seat - 1)] = new QLabel;
        line->addWidget(scores_[std::size_t(seat - 1)]);
        side->addLayout(line);
    }
    result_ = new QLabel;
    result_->setAccessibleName(tr("結果"));
    const QString problem = readingProblem.isEmpty() ? replay_.problem() : readingProblem;
    problem_ = new QLabel(problem);
    problem_->setWordWrap(true);
    problem_->setVisible(!problem.isEmpty());
    moveList_ = new QListWidget;
    moveList_->setAccessibleName(tr("手の一覧"));
    fillMoveList();
    side->addWidget(result_);
    side->addWidget(problem_);
    side->addWidget(moveList_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(new FittedBoard(*board_), 2);
    top->addLayout(side, 1);
    graph_ = new ChanceGraph;
    graph_->hide(); // until the game is analysed
    verdict_ = new QLabel;
    verdict_->setAccessibleName(tr("この手の評価"));
    verdict_->setWordWrap(true);
    verdict_->hide();
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top, 3);
    whole->addWidget(graph_, 1);
    whole->addWidget(verdict_);
    whole->addWidget(createButtons());
    connect(graph_, &ChanceGraph::moveChosen, this, &ReplayWindow::showMove);
    connect(moveList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != shown_)
            showMove(row);
    });
}

QWidget* ReplayWindow::createButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString& text, const QString& name, auto&& act) {
        auto* b = new QPushButton(text);
        b->setAccessibleName(name);
        b->setToolTip(name);
        connect(b, &QPushButton::clicked, this, act);
        row->addWidget(b);
        return b;
    };
    button(QStringLiteral("|◀"), tr("最初へ"), [this] { showMove(0); });
    button(QStringLiteral("◀"), tr("一手戻る"), [this] { showMove(shown_ - 1); });
    play_ = button(tr("再生"), tr("再生"), [this] { setPlaying(!playing()); });
    button(QStringLiteral("▶"), tr("一手進む"), [this] { showMove(shown_ + 1); });
    button(QStringLiteral("▶|"), tr("最後へ"), [this] { showMove(lastMove()); });
    pace_ = new QComboBox;
    pace_->setAccessibleName(tr("再生の速さ"));
    for (const int ms : Paces)
        pace_->addItem(tr("%1秒に1手").arg(ms / 1000.0));
    pace_->setCurrentIndex(UsualPace);
    connect(pace_, &QComboBox::currentIndexChanged, this,
            [this](int index) { player_.setInterval(Paces[std::max(index, 0)]); });
    player_.setInterval(Paces[UsualPace]);
    row->addWidget(pace_);
    row->addStretch();
    createAnalysisControls(row);
    return bar;
}

void ReplayWindow::fillMoveList()
{
    moveList_->addItem(tr("開始"));
    for (int move = 1; move <= replay_.moves(); ++move)
        moveList_->addItem(moveText(move));
}

// move counts from 1.
QString ReplayWindow::moveText(int move) const
{
    const record::Move& played = replay_.game().moves[std::size_t(move - 1)];
    const QString where = played.isPass() ? tr("パス") : rules::cellName(played.col, played.row);
    const QString text = tr("%1. %2 %3").arg(move).arg(replay_.game().name(played.seat), where);
    if (reviews_.empty() || !reviews_[std::size_t(move - 1)].mistake())
        return text;
    return tr("%1　✗悪手").arg(text);
}

void ReplayWindow::showMove(int played)
{
    played = std::clamp(played, 0, lastMove());
    if (played == lastMove())
        setPlaying(false);
    if (played == shown_)
        return;
    shown_ = played;
    drawBoard();
    showScores();
    showVerdict();
    moveList_->setCurrentRow(played);
    graph_->setCurrent(played);
}

void ReplayWindow::setPlaying(bool on)
{
    if (on && shown_ >= lastMove())
        showMove(0);
    if (on)
        player_.start();
    else
        player_.stop();
    play_->setText(on ? tr("一時停止") : tr("再生"));
    play_->setAccessibleName(play_->text());
}

void ReplayWindow::step()
{
    showMove(shown_ + 1);
}

void ReplayWindow::drawBoard()
{
    const rules::Position& position = replay_.after(shown_);
    const record::Move* last = shown_ > 0 ? &replay_.game().moves[std::size_t(shown_ - 1)] : nullptr;
    const int n = position.size();
    for (int col = 0; col < n; ++col)
        for (int row = 0; row < n; ++row) {
            const bool marked = last && last->col == col && last->row == row;
            board_->setLook(col, row, {position.board()[col][row], marked, false});
        }
}

void ReplayWindow::showScores()
{
    const rules::Position& position = replay_.after(shown_);
    const auto& game = replay_.game();
    for (int seat = 1; seat <= rules::Seats; ++seat)
        scores_[std::size_t(seat - 1)]->setText(scoreText(position.score(seat), game.scoring));
    const bool atEnd = position.over() || (shown_ == lastMove() && game.finished());
    if (!atEnd) {
        result_->setText(shown_ == lastMove() ? tr("（未完了の対戦）") : QString());
        return;
    }
    std::vector<int> scores(position.scores().begin() + 1, position.scores().end());
    result_->setText(resultPanelText(rules::ranking({game.names.begin(), game.names.end()}, scores), game.scoring));
}

} // namespace ui
