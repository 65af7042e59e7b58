#include "ai/level.h"
#include "computer/computerplayer.h"
#include "net/hostserver.h"
#include "ui/alonesetup.h"
#include "ui/boot.h"
#include "ui/named.h"
#include "ui/errorbox.h"
#include "ui/headingbutton.h"
#include <QHostAddress>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

// Computer players that the host adds to its own lobby: guests in this same program, joined
// over the loopback address like any other; and the member list's menu, which also sends a
// guest away.
namespace ui {

namespace {

// "CPU" with the smallest number no member has yet, and the level, untranslated: it travels.
QString computerName(ai::Level level, const QStringList& members)
{
    for (int n = 1;; ++n) {
        const QString prefix = QStringLiteral("CPU") + QString::number(n) + u'(';
        const bool taken =
            std::any_of(members.begin(), members.end(), [&](const QString& m) { return m.startsWith(prefix); });
        if (!taken)
            return ai::computerName(n, level);
    }
}

} // namespace

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
    const bool hosting = station_ && station_->server().isListening();
    QMenu menu(this);
    addGameWindowItem(menu);
    for (const ai::Level level : {ai::Level::Random, ai::Level::Greedy, ai::Level::Strong, ai::Level::Strongest}) {
        QAction* add = menu.addAction(tr("コンピューターを加える（%1）").arg(shownLevelName(level)));
        add->setEnabled(hosting);
        connect(add, &QAction::triggered, this, [this, level] { guarded([&] { addComputer(int(level)); }); });
    }
    const QListWidgetItem* chosen = Mem->currentItem();
    const QString name = chosen ? chosen->text() : QString();
    QAction* remove = menu.addAction(tr("コンピューターを外す"));
    remove->setEnabled(computerNames().contains(name));
    connect(remove, &QAction::triggered, this, [this, name] { removeComputer(name); });
    // Any other guest the host may send away, an idle one to make room for instance.
    QAction* sendAway = menu.addAction(tr("参加者を外す"));
    sendAway->setEnabled(hosting && Mem->row(chosen) > 0 && !computerNames().contains(name));
    connect(sendAway, &QAction::triggered, this, [this, name] { station_->server().lobby().removeMember(name); });
    menu.exec(at);
}

void Tbootform::addComputer(int level)
{
    if (!station_ || !station_->server().isListening())
        return;
    const auto l = static_cast<ai::Level>(level);
    QStringList taken = members();
    for (const computer::ComputerPlayer* c : computers_)
        taken << c->name();
    auto* player = new computer::ComputerPlayer(computerName(l, taken), l, this);
    computers_.push_back(player);
    connect(player, &computer::ComputerPlayer::failed, this, [](const QString& why) { showError(why); });
    player->connectTo(QHostAddress(QHostAddress::LocalHost).toString(), station_->server().port());
}

void Tbootform::removeComputer(const QString& name)
{
    const auto it = std::find_if(computers_.begin(), computers_.end(),
                                 [&](const computer::ComputerPlayer* c) { return c->name() == name; });
    if (it == computers_.end())
        return;
    computer::ComputerPlayer* player = *it;
    computers_.erase(it);
    player->leave();
    player->deleteLater();
}

QStringList Tbootform::computerNames() const
{
    QStringList names;
    for (const computer::ComputerPlayer* c : computers_)
        names << c->name();
    return names;
}

void Tbootform::removeAllComputers()
{
    for (const QString& name : computerNames())
        removeComputer(name);
}

} // namespace ui
