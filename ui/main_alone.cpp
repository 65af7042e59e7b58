#include "ui/errorbox.h"
#include "ui/main.h"
#include "ui/named.h"
#include <QAction>
#include <QStatusBar>
#include <QToolButton>

// The game window on its own: the next game, and in a game alone a move taken back and played
// again. Other stations cannot take a move back, so a network game offers neither.
namespace ui {

namespace {

QAction* gameAction(QWidget* window, const char* name, const QString& text, const QList<QKeySequence>& keys)
{
    auto* action = named(new QAction(text, window), name);
    action->setShortcuts(keys);
    action->setToolTip(text + QStringLiteral(" (") + keys.front().toString(QKeySequence::NativeText) +
                       QStringLiteral(")"));
    window->addAction(action);
    return action;
}

} // namespace

// Small buttons in the status bar, left of the "?": no control of the window moves.
void Tmainform::createGameActions()
{
    newGame_ = gameAction(this, "NewGame", tr("新しいゲーム"), {QKeySequence(Qt::CTRL | Qt::Key_N), Qt::Key_F2});
    undo_ = gameAction(this, "Undo", tr("待った"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo_ = gameAction(this, "Redo", tr("やり直し"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {newGame_, undo_, redo_}) {
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setAccessibleName(action->text());
        StatusBar->addPermanentWidget(button);
    }
    connect(newGame_, &QAction::triggered, this, [this] { guarded([this] { station_.startNewGame(); }); });
    connect(undo_, &QAction::triggered, this, [this] { match_.undo(); });
    connect(redo_, &QAction::triggered, this, [this] { match_.redo(); });
    for (const auto signal : {&match::Match::started, &match::Match::jumped, &match::Match::stopped,
                              &match::Match::turnOpened, &match::Match::turnClosed})
        connect(&match_, signal, this, &Tmainform::updateGameActions);
    connect(&match_, &match::Match::moved, this, &Tmainform::updateGameActions);
    // Leaving a table or losing its members ends what New game may do.
    connect(&station_, &match::Station::stateChanged, this, &Tmainform::updateGameActions);
    connect(&station_, &match::Station::canStartGameChanged, this, &Tmainform::updateGameActions);
    updateGameActions();
}

void Tmainform::updateGameActions()
{
    newGame_->setEnabled(station_.canStartNewGame());
    undo_->setEnabled(match_.canUndo());
    redo_->setEnabled(match_.canRedo());
}

// The game as it now stands, at once: moves taken back or played again are not shown one by one.
void Tmainform::showJump()
{
    animator_.rewind(game());
    showGainText(QString(), 0);
    if (game().gameOver())
        showEnd();
}

} // namespace ui
