#include "ui/boot.h"
#include "ui/closequestion.h"
#include "ui/errorbox.h"
#include "ui/lobbysettings.h"
#include "ui/webpagebutton.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

// The lobby shows its station: its state in the controls and the caption, its members and its
// chat; the buttons pass on what the player does.
namespace ui {

void Tbootform::followStation()
{
    connect(&station_, &match::Station::chatLine, Chat, &QPlainTextEdit::appendPlainText);
    connect(&station_, &match::Station::recordFailed, Chat, &QPlainTextEdit::appendPlainText);
    connect(&station_, &match::Station::membersChanged, this, &Tbootform::setMembers);
    connect(&station_, &match::Station::lobbyMessage, this, [this] { SE_Play(joinSound); });
    connect(&station_, &match::Station::canStartGameChanged, this, &Tbootform::Setting_enable);
    connect(&station_, &match::Station::starting, this, &Tbootform::showStartSettings);
    connect(&station_, &match::Station::stateChanged, this, &Tbootform::showState);
    // The box shows the name as the host lists it, so chat lines carry that name.
    connect(&station_, &match::Station::joinedAs, this, &Tbootform::showTravellingName);
    connect(&station_, &match::Station::returnAsked, this, &Tbootform::askReturn);
    // The box waits until the handler that met the failure has finished.
    connect(
        &station_, &match::Station::failed, this, [](const QString& m) { showError(m); }, Qt::QueuedConnection);
}

// Name and port are open while idle, so another address or port can be tried at once.
void Tbootform::showState(match::Station::State state)
{
    using State = match::Station::State;
    const bool idle = state == State::Idle;
    BtnOut->setEnabled(!idle);
    BoxName->setEnabled(idle);
    BoxPort->setEnabled(idle);
    lockRole(!idle);
    BtnStart->setEnabled(idle && station_.isHost());
    BtnGo->setEnabled(idle && !station_.isHost());
    BtnComputer->setEnabled(state == State::Hosting);
    if (state == State::Hosting)
        setWindowTitle(tr("対戦ゲム　ロビー 【サーバー】"));
    else if (state == State::Joined)
        setWindowTitle(tr("対戦ゲム　ロビー 【クライアント】"));
    else if (idle)
        setWindowTitle(tr("対戦ゲム　ロビー"));
}

// Asked without blocking: the table plays on while the host player thinks.
void Tbootform::askReturn(const QString& name, int seat)
{
    auto* box = new QMessageBox(QMessageBox::Question, tr("対戦ゲム"),
                                tr("%1さんが別のアドレスから%2番席に戻ろうとしています。席を返しますか？\n"
                                   "返さなければ、新しい参加者として観戦します。")
                                    .arg(name)
                                    .arg(seat),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("ReturnQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, name](int answer) {
        if (answer == QMessageBox::Yes)
            station_.allowReturn(name);
    });
    box->open();
}

bool Tbootform::mayEndAlone()
{
    return !(station_.alone() && station_.playing()) ||
           confirmClosing(this, tr("ゲームの途中です。閉じると、このゲームは中断します。"));
}

// A failed start leaves name and port open again, so another port can be tried at once.
void Tbootform::BtnStartClick()
{
    if (!mayEndAlone())
        return;
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    station_.setWebPort(BtnWeb->portToServe());
    try {
        showTravellingName(station_.host(BoxPort->text(), BoxName->text()));
    } catch (...) {
        unlockNameAndPort();
        throw;
    }
    if (settings_)
        settings_->writeHosting(savedName(), BoxPort->text());
}

// The settings that start the game stay as they are until it ends; the board's size and the
// jewels' turn keep their state.
void Tbootform::BtnGameClick()
{
    const bool sizeOn = TableSize->isEnabled();
    const bool rotationOn = rotation->isEnabled();
    station_.setNextSettings(gameSettings());
    station_.startGame();
    TableSize->setEnabled(sizeOn);
    rotation->setEnabled(rotationOn);
    score_method->setEnabled(false);
    TimeLimit->setEnabled(false);
}

void Tbootform::BtnGoClick()
{
    if (!mayEndAlone())
        return;
    BoxName->setEnabled(false);
    BoxPort->setEnabled(false);
    const QString host = BoxIP->currentText();
    try {
        station_.join(host, BoxPort->text(), BoxName->text());
    } catch (...) {
        unlockNameAndPort();
        throw;
    }
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

void Tbootform::setWebPort(quint16 port)
{
    BtnWeb->setPort(port);
}

void Tbootform::BtnOutClick()
{
    if (station_.isHost())
        station_.stopHosting();
    else
        station_.leave();
}

// The guest's game settings, which it cannot change, show the game the host started.
void Tbootform::showStartSettings(const rules::Settings& start)
{
    TableSize->setPosition(start.boardSize);
    score_method->setItemIndex(int(start.scoring));
    TimeLimit->setPosition(start.timeLimit);
    rotation->setChecked(start.rotation);
}

void Tbootform::setMembers(const QStringList& names)
{
    Mem->clear();
    Mem->addItems(names);
    // The list's width is the player's to choose: a name it cuts shows whole on hovering.
    for (int i = 0; i < Mem->count(); ++i)
        Mem->item(i)->setToolTip(Mem->item(i)->text());
}

void Tbootform::unlockNameAndPort()
{
    BoxName->setEnabled(true);
    BoxPort->setEnabled(true);
}

} // namespace ui
