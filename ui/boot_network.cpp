#include "net/guestlink.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include <QLineEdit>
#include <QListWidget>

// The lobby's connections: which side handles what, and closing them when the lobby goes.
namespace ui {

void Tbootform::connectNetwork()
{
    SS = std::make_unique<net::HostServer>();
    CS = std::make_unique<net::GuestLink>();
    guest = std::make_unique<net::GuestSession>(*CS, *this);
    connectHostLobby();
    // The box waits until the handler that met the failure has finished.
    connect(
        SS.get(), &net::HostServer::failed, this, [](const QString& m) { showError(m); }, Qt::QueuedConnection);
    connect(CS.get(), &net::GuestLink::connected, this, [this] { guarded([this] { CSConnect(); }); });
    connect(CS.get(), &net::GuestLink::messageArrived, this,
            [this](const QStringList& m) { guarded([&] { CSRead(m); }); });
    connect(CS.get(), &net::GuestLink::closing, this, [this] { guarded([this] { CSDisconnect(); }); });
    connect(CS.get(), &net::GuestLink::failed, this, [this] { guarded([this] { CSError(); }); });
    connect(CS.get(), &net::GuestLink::lost, this, [this] { guarded([this] { CSLost(); }); });
    connect(this, &Tbootform::chatLineTyped, this, [this](const QString& line) { guarded([&] { sendChat(line); }); });
}

void Tbootform::sendChat(const QString& line)
{
    if (isHost())
        SS->lobby().sendToGuests(net::chatMessage(line));
    else
        guest->sendChat(line);
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
    CS->close();
    removeAllComputers();
    SS->close();
}

void Tbootform::FormDestroy()
{
    FormClose();
    guest.reset();
    SS.reset();
    CS.reset();
}

} // namespace ui
