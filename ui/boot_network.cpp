#include "net/guestlink.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/main.h"
#include <QLineEdit>
#include <QListWidget>

// The lobby's side of its station: what the station tells it, and closing the connections
// when the lobby goes.
namespace ui {

void Tbootform::connectNetwork()
{
    station_ = std::make_unique<match::Station>();
    connect(station_.get(), &match::Station::chatLine, this, &Tbootform::addChat);
    connect(station_.get(), &match::Station::membersChanged, this, &Tbootform::setMembers);
    connect(station_.get(), &match::Station::lobbyMessage, this, &Tbootform::ring);
    connect(station_.get(), &match::Station::enoughMembers, this, &Tbootform::Setting_enable);
    connect(station_.get(), &match::Station::starting, this, &Tbootform::showStartSettings);
    connect(&station_->match(), &match::Match::moved, this, &Tbootform::gameMoved);
    // The box waits until the handler that met the failure has finished.
    connect(
        station_.get(), &match::Station::failed, this, [](const QString& m) { showError(m); }, Qt::QueuedConnection);
    connect(
        &station_->server(), &net::HostServer::failed, this, [](const QString& m) { showError(m); },
        Qt::QueuedConnection);
    connect(&station_->link(), &net::GuestLink::connected, this, [this] { guarded([this] { CSConnect(); }); });
    connect(&station_->link(), &net::GuestLink::closing, this, [this] { guarded([this] { CSDisconnect(); }); });
    connect(&station_->link(), &net::GuestLink::failed, this, [this] { guarded([this] { CSError(); }); });
    connect(this, &Tbootform::chatLineTyped, this,
            [this](const QString& line) { guarded([&] { station_->sendChat(line); }); });
    connect(&station_->link(), &net::GuestLink::lost, this, [this] { guarded([this] { CSLost(); }); });
}

// The host may set up the next game once this one is over.
void Tbootform::gameMoved(const rules::Outcome& outcome)
{
    if (outcome.over && isHost() && inSession())
        Setting_enable(true);
}

void Tbootform::BtnOutClick()
{
    if (isHost())
        stopHosting();
    else
        leaveHost();
}

void Tbootform::ring()
{
    SE_Play(joinSound);
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

// The guest's connection goes first, saying goodbye; then nothing is left listening.
void Tbootform::FormClose()
{
    station_->link().close();
    removeAllComputers();
    station_->browsers().close();
    station_->server().close();
}

void Tbootform::FormDestroy()
{
    FormClose();
    station_.reset();
}

} // namespace ui
