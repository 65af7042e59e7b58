#include "ai/choose.h"
#include "rules/notation.h"
#include "ui/boardgrid.h"
#include "ui/chancegraph.h"
#include "ui/replaywindow.h"
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <cmath>

// The replay's analysis: every position searched on worker threads, which this thread only
// watches, and what they found shown beside the replay.
namespace ui {

namespace {

constexpr int WatchMs = 100; // how often the progress bar follows the workers
const QColor MistakeColour(0xC0, 0x00, 0x00);

QString percent(float chance)
{
    return QString::number(std::lround(chance * 100));
}

} // namespace

void ReplayWindow::createAnalysisControls(QLayout* row)
{
    analyze_ = new QPushButton(tr("分析"));
    analyze_->setAccessibleName(tr("分析"));
    analyze_->setToolTip(tr("どの局面も探索して、各席の得点の取り分の見込みと悪手を示します（A）"));
    analyze_->setShortcut(Qt::Key_A);
    progress_ = new QProgressBar;
    progress_->setAccessibleName(tr("分析の進み具合"));
    progress_->hide();
    cancel_ = new QPushButton(tr("中止"));
    cancel_->setAccessibleName(tr("分析を中止"));
    cancel_->hide();
    row->addWidget(analyze_);
    row->addWidget(progress_);
    row->addWidget(cancel_);
    connect(analyze_, &QPushButton::clicked, this, [this] { startAnalysis(); });
    connect(cancel_, &QPushButton::clicked, this, &ReplayWindow::cancelAnalysis);
    analysisWatch_.setInterval(WatchMs);
    connect(&analysisWatch_, &QTimer::timeout, this, &ReplayWindow::followAnalysis);
}

// Wherever the focus is, even on the board, whose cursor they would otherwise move.
void ReplayWindow::createArrowKeys()
{
    const auto key = [this](Qt::Key key, int by) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, by] { showMove(shown_ + by); });
    };
    key(Qt::Key_Left, -1);
    key(Qt::Key_Right, 1);
}

void ReplayWindow::startAnalysis(int effort)
{
    if (analysis_ || !reviews_.empty())
        return;
    analysis_ = std::make_unique<ai::GameAnalysis>(replay_.positions(), ai::effortOn(effort, replay_.game().boardSize),
                                                   ai::coreCount());
    progress_->setRange(0, analysis_->total());
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    analyze_->setEnabled(false);
    analysisWatch_.start();
}

void ReplayWindow::cancelAnalysis()
{
    if (!analysis_)
        return;
    endAnalysis();
    analyze_->setEnabled(true);
}

void ReplayWindow::followAnalysis()
{
    progress_->setValue(analysis_->judged());
    if (analysis_->finished())
        showAnalysis();
}

// The workers are stopped and joined as the analysis goes.
void ReplayWindow::endAnalysis()
{
    analysisWatch_.stop();
    analysis_.reset();
    progress_->hide();
    cancel_->hide();
}

void ReplayWindow::showAnalysis()
{
    reviews_ =
        ai::reviewMoves(analysis_->positions(), replay_.playedCells(), analysis_->judgements(), analysis_->playouts());
    graph_->setAnalysis(analysis_->judgements(), reviews_);
    endAnalysis();
    for (int move = 1; move <= replay_.moves(); ++move)
        if (reviews_[std::size_t(move - 1)].mistake()) {
            moveList_->item(move)->setText(moveText(move));
            moveList_->item(move)->setForeground(MistakeColour);
        }
    graph_->show();
    verdict_->show();
    showVerdict();
    // The graph takes room from the list: the move shown stays where it can be seen.
    layout()->activate();
    moveList_->scrollToItem(moveList_->currentItem());
}

// At a move, what it did to its mover's standing; at a mistake, the cell the search preferred,
// marked on the board.
void ReplayWindow::showVerdict()
{
    const ai::MoveReview* review = shown_ > 0 && !reviews_.empty() ? &reviews_[std::size_t(shown_ - 1)] : nullptr;
    const bool marked = review && review->mistake() && !review->preferred.isPass();
    board_->setHint(marked ? std::optional(QPoint(review->preferred.col, review->preferred.row)) : std::nullopt);
    if (!review) {
        verdict_->setText(reviews_.empty() ? QString() : tr("盤の下のグラフ: 各席の得点の取り分の見込み"));
        return;
    }
    QString text =
        tr("%1手目 %2: 得点の取り分の見込み %3% → %4%")
            .arg(shown_)
            .arg(replay_.game().name(review->seat), percent(review->standing[review->seat]), percent(review->after));
    if (marked)
        text = tr("%1　悪手。探索の選ぶ手は %2（盤の◆）")
                   .arg(text, rules::cellName(review->preferred.col, review->preferred.row));
    verdict_->setText(text);
}

} // namespace ui
