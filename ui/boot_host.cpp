#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/names.h"
#include "net/socketerror.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include "ui/webpagebutton.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

// The host's side of the lobby: listening, starting a game and the moves of its guests. Who
// is a member and what goes to whom is the host lobby's business.
namespace ui {

// A failed start leaves name and port open again, so another port can be tried at once.
void Tbootform::BtnStartClick()
{
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    const QString name = net::acceptName(BoxName->text(), {});
    station_->setWebPort(BtnWeb->portToServe());
    try {
        station_->host(net::portNumber(BoxPort->text(), "bind"), name);
    } catch (...) {
        unlockNameAndPort();
        throw;
    }
    showTravellingName(name);
    addChat(tr("◆サーバーとして接続を待機中"));
    BtnOut->setEnabled(true);
    BtnStart->setEnabled(false);
    lockRole(true);
    BtnComputer->setEnabled(true);
    setWindowTitle(tr("対戦ゲム　ロビー 【サーバー】"));
    if (settings_)
        settings_->writeHosting(savedName(), BoxPort->text());
}

// The station sets up its game and sends the guests their seats; the game window shows it.
void Tbootform::BtnGameClick()
{
    station_->startGame(gameSettings());
    BtnGame->setEnabled(false);
    score_method->setEnabled(false);
    TimeLimit->setEnabled(false);
}

void Tbootform::stopHosting()
{
    BtnOut->setEnabled(false);
    unlockNameAndPort();
    removeAllComputers();
    BtnComputer->setEnabled(false);
    station_->stopHosting();
    BtnStart->setEnabled(true);
    BtnGame->setEnabled(false);
    lockRole(false);
    addChat(tr("◆サーバーを終了しました"));
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

} // namespace ui

namespace ui {

void Tbootform::setWebPort(quint16 port)
{
    BtnWeb->setPort(port);
}

} // namespace ui
