#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/names.h"
#include "net/socketerror.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

// The host's side of the lobby: listening, starting a game and the moves of its guests. Who
// is a member and what goes to whom is the host lobby's business.
namespace ui {

void Tbootform::connectHostLobby()
{
    net::HostLobby& lobby = SS->lobby();
    connect(&lobby, &net::HostLobby::chatLine, this, &Tbootform::addChat);
    connect(&lobby, &net::HostLobby::membersChanged, this, &Tbootform::setMembers);
    connect(&lobby, &net::HostLobby::lobbyMessage, this, &Tbootform::ring);
    connect(&lobby, &net::HostLobby::enoughMembers, this, &Tbootform::Setting_enable);
    connect(&lobby, &net::HostLobby::moveAccepted, this,
            [this](const net::Move& m) { guarded([&] { guestMove(m); }); });
}

// A failed start leaves name and port open again, so another port can be tried at once.
void Tbootform::BtnStartClick()
{
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    try {
        SS->listen(net::portNumber(BoxPort->text(), "bind"));
    } catch (...) {
        unlockNameAndPort();
        throw;
    }
    showTravellingName(net::acceptName(BoxName->text(), {}));
    addChat(tr("◆サーバーとして接続を待機中"));
    BtnOut->setEnabled(true);
    BtnStart->setEnabled(false);
    Method->setEnabled(false);
    BtnComputer->setEnabled(true);
    SS->lobby().open(BoxName->text());
    setWindowTitle(tr("対戦ゲム　ロビー 【サーバー】"));
    if (settings)
        settings->writeHosting(savedName(), BoxPort->text());
}

// The lobby has checked the move against the board; the host's turn follows its own game.
void Tbootform::guestMove(const net::Move& move)
{
    if (mainform)
        mainform->game.playAccepted(move.col, move.row);
}

void Tbootform::BtnGameClick()
{
    if (!mainform)
        return;
    const rules::Settings game = gameSettings();
    mainform->newGame(game, net::HostSeat, members());
    mainform->show();
    BtnGame->setEnabled(false);
    score_method->setEnabled(false);
    TimeLimit->setEnabled(false);
    const net::StartSettings start{game.boardSize, 0, game.scoring, game.timeLimit, game.rotation};
    mainform->game.openFirstTurn();
    SS->lobby().startGame(start, mainform->game);
}

void Tbootform::stopHosting()
{
    BtnOut->setEnabled(false);
    Method->setEnabled(true);
    unlockNameAndPort();
    removeAllComputers();
    BtnComputer->setEnabled(false);
    SS->close();
    BtnStart->setEnabled(true);
    Mem->clear();
    BtnGame->setEnabled(false);
    addChat(tr("◆サーバーを終了しました"));
    setWindowTitle(tr("対戦ゲム　ロビー"));
}

} // namespace ui
