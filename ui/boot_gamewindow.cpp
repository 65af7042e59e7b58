#include "ui/boot.h"
#include "ui/headingbutton.h"
#include "ui/howtoplay.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include "ui/named.h"
#include "ui/recordswindow.h"
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

// The lobby's side of the game window: what the window asks of it, and the ways back to a
// game window that was closed, to the rules and to the kept games.
namespace ui {

// The "?" sits inside the chat's heading, so no other control moves.
void Tbootform::createGameWindowControls(QLabel* chatHeading)
{
    BtnRecords = named(new QToolButton, "BtnRecords");
    BtnRecords->setText(tr("記録"));
    BtnRecords->setAccessibleName(tr("記録"));
    auto* records = new QAction(this);
    records->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addAction(records);
    connect(records, &QAction::triggered, this, [this] { showRecords(); });
    BtnRecords->setToolTip(tr("これまでの対戦の記録と成績") + QStringLiteral(" (") +
                           records->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    putInHeading(chatHeading, BtnRecords);
    BtnRecords->setFixedWidth(BtnRecords->sizeHint().width());
    connect(BtnRecords, &QToolButton::clicked, this, [this] { showRecords(); });
    BtnHelp = named(helpButton(), "BtnHelp");
    putInHeading(chatHeading, BtnHelp);
    connect(BtnHelp, &QToolButton::clicked, this, [this] { showHelp(); });
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { showHelp(); });
    // One's own name stands for one's seat.
    connect(Mem, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (mainform && Mem->row(item) == station_.match().mySeat() - 1)
            showGameWindow();
    });
}

void Tbootform::addGameWindowItem(QMenu& menu)
{
    QAction* show = menu.addAction(tr("ゲーム画面を表示"));
    show->setEnabled(canShowGameWindow());
    connect(show, &QAction::triggered, this, [this] { showGameWindow(); });
    menu.addSeparator();
}

bool Tbootform::canShowGameWindow() const
{
    return mainform && station_.match().game().boardSize() > 0 && !mainform->isVisible();
}

void Tbootform::showGameWindow()
{
    if (canShowGameWindow())
        mainform->showAgain();
}

void Tbootform::showRecords()
{
    if (!mainform)
        return;
    if (!records_)
        records_ = new RecordsWindow(record::recordsFolder(), mainform->images(), mainform->largerImages(), this);
    else
        records_->reload();
    records_->show();
    records_->raise();
    records_->activateWindow();
}

void Tbootform::showHelp()
{
    if (mainform)
        mainform->showHelp();
}

} // namespace ui
