#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/receivedmove.h"
#include "net/socketerror.h"
#include "ui/boot.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The host's side of the lobby: listening, the members, relaying, and starting a game.
namespace ui {

namespace {

// The host's first turn of a game opens without automatic play.
void openFirstTurn(Tmainform& form)
{
    form.setBoardEnabled(true);
    form.setPassEnabled(true);
    form.game.myTurn = true;
    if (form.timeLimitSetting() < rules::NoLimit)
        form.startTimers();
}

} // namespace

void Tbootform::BtnStartClick()
{
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    SS->listen(net::portNumber(BoxPort->text(), "bind"));
    addChat(tr("◆サーバーとして接続を待機中"));
    BtnOut->setEnabled(true);
    BtnStart->setEnabled(false);
    Method->setEnabled(false);
    Mem->addItem(BoxName->text());
    setWindowTitle(tr("対戦ゲム　ロビー 【サーバー】"));
    if (settings)
        settings->writeHosting(BoxName->text(), BoxPort->text());
}

void Tbootform::SSClientRead(net::Connection& sender, const QStringList& message)
{
    const auto kind = receive(message);
    if (!kind)
        return;
    switch (*kind) {
    case net::MsgJoin: guestJoined(sender); break;
    case net::MsgLeave: guestLeft(sender); break;
    case net::MsgChat: guestChat(sender); break;
    case net::MsgMove: guestMove(sender); break;
    default: break;
    }
}

// The joiner gets the member list; everyone else the notice with it.
void Tbootform::guestJoined(net::Connection& sender)
{
    const net::MemberChange change = net::memberJoined(members(), recvList.value(1));
    setMembers(change.members);
    addChat(change.notice);
    if (change.members.size() >= net::PlayersToStart)
        Setting_enable(true);
    sendList = change.toOthers;
    SS->relay([&](int, const net::Connection* guest) {
        return std::optional(guest == &sender ? change.toSender : change.toOthers);
    });
}

void Tbootform::guestLeft(net::Connection& sender)
{
    const net::MemberChange change = net::memberLeft(members(), recvList.value(1));
    setMembers(change.members);
    addChat(change.notice);
    if (change.members.size() < net::PlayersToStart)
        Setting_enable(false);
    sendList = change.toOthers;
    SS->sendToGuests(sendList, &sender);
    // A guest says goodbye only as its connection closes: nothing more may be sent to it.
    SS->closeGuest(&sender);
}

void Tbootform::guestChat(net::Connection& sender)
{
    addChat(recvList.value(1));
    SS->sendToGuests(recvList, &sender);
}

// Only the guest whose seat is to move is heard; the move then goes out to all guests.
void Tbootform::guestMove(net::Connection& sender)
{
    const auto move = net::parseMove(recvList);
    if (!move || !mainform || !SS->mayMove(&sender, mainform->game.curPlayer))
        return;
    net::applyReceivedMove(mainform->game, *move, mySeat);
}

void Tbootform::BtnGameClick()
{
    if (!mainform)
        return;
    mainform->newGame();
    mainform->show();
    BtnGame->setEnabled(false);
    score_method->setEnabled(false);
    TimeLimit->setEnabled(false);
    const net::StartSettings start{TableSize->Position(), 0, score_method->ItemIndex(), TimeLimit->Position(),
                                   rotation->isChecked()};
    sendList = net::startMessage(start);
    openFirstTurn(*mainform);
    mySeat = 1;
    SS->startGame(start);
}

void Tbootform::stopHosting()
{
    BtnOut->setEnabled(false);
    Method->setEnabled(true);
    BoxName->setEnabled(true);
    BoxPort->setEnabled(true);
    SS->close();
    BtnStart->setEnabled(true);
    Mem->clear();
    BtnGame->setEnabled(false);
    addChat(tr("◆サーバーを終了しました"));
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

} // namespace ui
