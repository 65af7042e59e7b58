#include "ai/level.h"
#include "ui/alonesetup.h"
#include "ui/boot.h"
#include "ui/named.h"
#include "ui/errorbox.h"
#include "ui/headingbutton.h"
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

// The member list's menu: computer players the host adds to its own lobby, and a guest sent
// away.
namespace ui {

// A small button inside the members' heading, so no other control moves, and the same menu
// on the member list's right click.
void Tbootform::createComputerControls(QLabel* heading)
{
    BtnComputer = named(new QToolButton, "BtnComputer");
    BtnComputer->setText(QStringLiteral("+"));
    BtnComputer->setAccessibleName(tr("コンピューターの対戦相手"));
    BtnComputer->setToolTip(tr("コンピューターの対戦相手を加える・外す"));
    BtnComputer->setEnabled(false);
    putInHeading(heading, BtnComputer);
    connect(BtnComputer, &QToolButton::clicked, this,
            [this] { showMemberMenu(BtnComputer->mapToGlobal(QPoint(0, BtnComputer->height()))); });
    Mem->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Mem, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showMemberMenu(Mem->viewport()->mapToGlobal(at)); });
}

void Tbootform::showMemberMenu(const QPoint& at)
{
    const bool hosting = station_.state() == match::Station::State::Hosting;
    QMenu menu(this);
    addGameWindowItem(menu);
    for (const ai::Level level : {ai::Level::Random, ai::Level::Greedy, ai::Level::Strong, ai::Level::Strongest}) {
        QAction* add = menu.addAction(tr("コンピューターを加える（%1）").arg(shownLevelName(level)));
        add->setEnabled(hosting);
        connect(add, &QAction::triggered, this, [this, level] { guarded([&] { station_.addComputer(level); }); });
    }
    const QListWidgetItem* chosen = Mem->currentItem();
    const QString name = chosen ? chosen->text() : QString();
    const bool computer = station_.computerNames().contains(name);
    QAction* remove = menu.addAction(tr("コンピューターを外す"));
    remove->setEnabled(computer);
    connect(remove, &QAction::triggered, this, [this, name] { station_.removeComputer(name); });
    // Any other guest the host may send away, an idle one to make room for instance.
    QAction* sendAway = menu.addAction(tr("参加者を外す"));
    sendAway->setEnabled(hosting && Mem->row(chosen) > 0 && !computer);
    connect(sendAway, &QAction::triggered, this, [this, name] { station_.removeMember(name); });
    menu.exec(at);
}

} // namespace ui
