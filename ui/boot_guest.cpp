#include "net/guestlink.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/receivedmove.h"
#include "net/socketerror.h"
#include "ui/boot.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The guest's side of the lobby: its connection to the host, and the game the host starts.
namespace ui {

void Tbootform::BtnGoClick()
{
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    const QString host = BoxIP->currentText();
    CS->connectTo(host, net::portNumber(BoxPort->text(), "connect"));
    BtnOut->setEnabled(true);
    BtnGo->setEnabled(false);
    Method->setEnabled(false);
    // Every connection adds the address again, even when the list already holds it.
    BoxIP->addItem(host);
    BoxIP->setEditText(host);
    if (!settings)
        return;
    QStringList used;
    for (int i = 0; i < BoxIP->count(); ++i)
        used.append(BoxIP->itemText(i));
    settings->writeJoining(BoxName->text(), BoxPort->text(), host, used);
}

void Tbootform::CSConnect()
{
    sendList = net::joinMessage(BoxName->text());
    CS->send(sendList);
    addChat(tr("◆サーバーと接続完了"));
    setWindowTitle(tr("対戦ゲム　ロビー 【クライアント】"));
}

void Tbootform::CSRead(const QStringList& message)
{
    const auto kind = receive(message);
    if (!kind)
        return;
    switch (*kind) {
    case net::MsgJoin:
        setMembers(recvList.mid(1));
        break;
    case net::MsgLeave:
        addChat(recvList.value(1));
        setMembers(recvList.mid(2));
        break;
    case net::MsgChat: addChat(recvList.value(1)); break;
    case net::MsgStart: startFromHost(); break;
    case net::MsgMove: moveFromHost(); break;
    default: break;
    }
}

// Out-of-range sizes and limits are clamped by the sliders; an unknown scoring rule is ignored.
void Tbootform::startFromHost()
{
    const auto start = net::parseStart(recvList);
    if (!start || !mainform)
        return;
    TableSize->setPosition(start->boardSize);
    mySeat = start->seat;
    score_method->setItemIndex(start->scoreMethod);
    TimeLimit->setPosition(start->timeLimit);
    rotation->setChecked(start->rotation);
    // A turn of an earlier game must not stay open: a move made there would reach nobody.
    mainform->game.myTurn = false;
    mainform->setBoardEnabled(false);
    mainform->setPassEnabled(false);
    mainform->newGame();
    mainform->show();
    CS->noteStart();
}

// A guest that joined during a game has no board for it and waits for the next start.
void Tbootform::moveFromHost()
{
    const auto move = net::parseMove(recvList);
    if (!move || !mainform || !CS->hasStarted())
        return;
    if (mainform->game.skipEcho) {
        mainform->game.skipEcho = false;
        return;
    }
    net::applyReceivedMove(mainform->game, *move, mySeat);
}

// Sent while the connection can still carry it; a connection already gone sends nothing.
void Tbootform::CSDisconnect()
{
    sendList = net::leaveMessage(BoxName->text());
    CS->send(sendList);
}

// Name and port stay locked, so the user can try again as they are.
void Tbootform::CSError()
{
    addChat(tr("▲サーバーとの接続に失敗しました"));
    BtnOut->setEnabled(false);
    Method->setEnabled(true);
    CS->close();
    BtnGo->setEnabled(true);
    Mem->clear();
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

void Tbootform::leaveHost()
{
    BtnOut->setEnabled(false);
    Method->setEnabled(true);
    BoxName->setEnabled(true);
    BoxPort->setEnabled(true);
    CS->close();
    BtnGo->setEnabled(true);
    Mem->clear();
    addChat(tr("◆サーバーから切断しました"));
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

} // namespace ui
