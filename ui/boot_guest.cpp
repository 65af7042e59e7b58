#include "net/guestlink.h"
#include "net/lobbymessages.h"
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
// What each message from the host does is the guest session's business.
namespace ui {

void Tbootform::BtnGoClick()
{
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    const QString host = BoxIP->currentText();
    try {
        station_->link().connectTo(host, net::portNumber(BoxPort->text(), "connect"));
    } catch (...) {
        unlockNameAndPort();
        throw;
    }
    BtnOut->setEnabled(true);
    BtnGo->setEnabled(false);
    lockRole(true);
    // Every connection adds the address again, even when the list already holds it.
    BoxIP->addItem(host);
    BoxIP->setEditText(host);
    if (!settings_)
        return;
    QStringList used;
    for (int i = 0; i < BoxIP->count(); ++i)
        used.append(BoxIP->itemText(i));
    settings_->writeJoining(savedName(), BoxPort->text(), host, used);
}

// The box shows the name as the host will list it, so chat lines carry that name.
void Tbootform::CSConnect()
{
    showTravellingName(station_->session().CSConnect(BoxName->text()));
    addChat(tr("◆サーバーと接続完了"));
    setWindowTitle(tr("対戦ゲム　ロビー 【クライアント】"));
}

// The guest's game settings, which it cannot change, show the game the host started.
void Tbootform::showStartSettings(const net::StartSettings& start)
{
    TableSize->setPosition(start.boardSize);
    score_method->setItemIndex(int(start.scoring));
    TimeLimit->setPosition(start.timeLimit);
    rotation->setChecked(start.rotation);
}

// Sent while the connection can still carry it; a connection already gone sends nothing.
void Tbootform::CSDisconnect()
{
    station_->session().CSDisconnect();
}

void Tbootform::CSError()
{
    addChat(tr("▲サーバーとの接続に失敗しました"));
    backToIdle();
}

// The host closed in order: said once, and the lobby can join again at once.
void Tbootform::CSLost()
{
    addChat(tr("▲サーバーとの接続が切れました"));
    backToIdle();
}

void Tbootform::leaveHost()
{
    backToIdle();
    addChat(tr("◆サーバーから切断しました"));
}

// Name and port open again, so another address or port can be tried. A game under way stops:
// nothing played here from now on would reach anyone.
void Tbootform::backToIdle()
{
    station_->session().connectionEnded();
    BtnOut->setEnabled(false);
    unlockNameAndPort();
    station_->leave();
    lockRole(false);
    BtnGo->setEnabled(true);
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

} // namespace ui
