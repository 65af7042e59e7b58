#include "ai/choose.h"
#include "rules/notation.h"
#include "ui/errorbox.h"
#include "ui/howtoplay.h"
#include "ui/legalcellsetting.h"
#include "ui/lookcontrols.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include "ui/named.h"
#include "ui/windowsizesetting.h"
#include "ui/boardgrid.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>
#include <random>

// What the game window offers a player who is learning: the marks of the legal cells, a
// hint, the keyboard's way round the board and the way to the rules.
namespace ui {

namespace {

constexpr int HintMs = 1500;

} // namespace

void Tmainform::createAids()
{
    ShowLegal = named(new QAction(tr("打てる所を表示"), this), "ShowLegal");
    ShowLegal->setCheckable(true);
    ShowLegal->setShortcut(Qt::Key_L);
    HintAction = named(new QAction(tr("ヒント"), this), "HintAction");
    HintAction->setShortcut(Qt::Key_H);
    HelpAction = named(new QAction(HowToPlay::tr("遊び方"), this), "HelpAction");
    HelpAction->setShortcut(QKeySequence::HelpContents);
    addActions({ShowLegal, HintAction, HelpAction});
    hintTimer = named(new QTimer(this), "hintTimer");
    hintTimer->setSingleShot(true);
    hintTimer->setInterval(HintMs);
    createHelpButton();
    readGameSettings();
    looks_ = new LookControls(
        *Table, *coordinates_, settingsPath_, [this] { fitBoard(); }, this);
    connect(ShowLegal, &QAction::toggled, this, [this](bool on) { guarded([&] { ShowLegalClick(on); }); });
    connect(HintAction, &QAction::triggered, this, [this] { showHint(); });
    connect(HelpAction, &QAction::triggered, this, [this] { showHelp(); });
    connect(hintTimer, &QTimer::timeout, this, [this] { Table->setHint(std::nullopt); });
    connect(&hintWatcher_, &QFutureWatcher<rules::Cell>::finished, this, [this] { hintChosen(hintWatcher_.result()); });
}

// A small "?" at the right end of the status bar: no control of the window moves.
void Tmainform::createHelpButton()
{
    BtnHelp = named(helpButton(), "BtnHelp");
    BtnHelp->setAutoRaise(true);
    StatusBar->addPermanentWidget(BtnHelp);
    connect(BtnHelp, &QToolButton::clicked, this, [this] { showHelp(); });
}

void Tmainform::readGameSettings()
{
    const QString& path = settingsPath_;
    if (path.isEmpty())
        return;
    ShowLegal->setChecked(ui::readShowLegal(path));
    // The size the player left the window at; it still grows to what a board needs.
    const QSize left = readWindowSize(path);
    if (left.isValid())
        resize(left);
}

void Tmainform::ShowLegalClick(bool on)
{
    showLegalMarks();
    if (!settingsPath_.isEmpty())
        writeShowLegal(settingsPath_, on);
}

void Tmainform::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions({newGame_, undo_, redo_});
    menu.addSeparator();
    menu.addActions({ShowLegal, HintAction, HelpAction});
    menu.addSeparator();
    menu.addActions({looks_->settingsAction(), looks_->muteAction()});
    menu.exec(event->globalPos());
}

// The turn opens or closes: a hint of another turn goes, the marks follow, and an open board
// takes the keys so that no key meant for it ticks a check box.
void Tmainform::followTurn(bool open)
{
    ++turnSerial_;
    hintTimer->stop();
    Table->setHint(std::nullopt);
    HintAction->setEnabled(open);
    if (open)
        Table->setFocus(Qt::OtherFocusReason);
    showLegalMarks();
    sayForcedPass(open && game().legalCells().empty());
}

// A turn with no cell to play is said where the player looks and where a screen reader reads,
// and the keys go to the pass button; a silent, markless board would only seem to hang.
void Tmainform::sayForcedPass(bool forced)
{
    const QString text = forced ? tr("打てる所がありません：パスです") : QString();
    Table->setAccessibleDescription(text);
    BtnPass->setAccessibleDescription(text);
    if (!forced)
        return;
    StatusBar->showMessage(text);
    BtnPass->setFocus(Qt::OtherFocusReason);
}

void Tmainform::showLegalMarks()
{
    std::vector<QPoint> cells;
    if (ShowLegal->isChecked() && Table->isEnabled())
        for (const auto& [col, row] : game().legalCells())
            cells.emplace_back(col, row);
    Table->setMarks(std::move(cells));
}

// Between turns the keys go to the window itself, which does nothing with them.
void Tmainform::parkFocus(QWidget* leaving)
{
    if (leaving->hasFocus())
        setFocus(Qt::OtherFocusReason);
}

// One mark at a time: the next H takes the last one away before asking again.
void Tmainform::showHint()
{
    hintTimer->stop();
    Table->setHint(std::nullopt);
    if (!match_.myTurn() || !Table->isEnabled() || hintWatcher_.isRunning())
        return;
    hintTurn_ = turnSerial_;
    const rules::Position position = game().position();
    const auto seed = std::random_device{}();
    hintWatcher_.setFuture(QtConcurrent::run([position, seed] {
        std::mt19937 rng(seed);
        return ai::chooseCell(position, ai::Level::Strong, rng);
    }));
}

void Tmainform::hintChosen(rules::Cell cell)
{
    if (hintTurn_ != turnSerial_ || !Table->isEnabled())
        return; // the turn it was for has ended
    if (cell.isPass()) {
        StatusBar->showMessage(tr("打てる所がありません：パスです"));
        return;
    }
    Table->setHint(QPoint(cell.col, cell.row));
    StatusBar->showMessage(tr("ヒント：%1").arg(rules::cellName(cell.col, cell.row)));
    hintTimer->start();
}

void Tmainform::showHelp()
{
    if (!howToPlay_)
        howToPlay_ = new HowToPlay(images_, this);
    howToPlay_->show();
    howToPlay_->raise();
    howToPlay_->activateWindow();
}

} // namespace ui
