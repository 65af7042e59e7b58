#include "net/guestlink.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include <QListWidget>

// The lobby's connections: which side handles what, and closing them when the lobby goes.
namespace ui {

void Tbootform::connectNetwork()
{
    SS = std::make_unique<net::HostServer>();
    CS = std::make_unique<net::GuestLink>();
    connect(SS.get(), &net::HostServer::messageArrived, this,
            [this](net::Connection* from, const QStringList& m) { guarded([&] { SSClientRead(*from, m); }); });
    // The box waits until the handler that met the failure has finished its relay.
    connect(SS.get(), &net::HostServer::failed, this, [](const QString& m) { showError(m); }, Qt::QueuedConnection);
    connect(CS.get(), &net::GuestLink::connected, this, [this] { guarded([this] { CSConnect(); }); });
    connect(CS.get(), &net::GuestLink::messageArrived, this,
            [this](const QStringList& m) { guarded([&] { CSRead(m); }); });
    connect(CS.get(), &net::GuestLink::closing, this, [this] { guarded([this] { CSDisconnect(); }); });
    connect(CS.get(), &net::GuestLink::failed, this, [this] { guarded([this] { CSError(); }); });
    connect(this, &Tbootform::chatLineTyped, this, [this](const QString& line) { guarded([&] { sendChat(line); }); });
}

void Tbootform::sendChat(const QString& line)
{
    sendList = net::chatMessage(line);
    if (isHost())
        SS->sendToGuests(sendList);
    else
        CS->send(sendList);
}

void Tbootform::BtnOutClick()
{
    if (isHost())
        stopHosting();
    else
        leaveHost();
}

std::optional<int> Tbootform::receive(const QStringList& message)
{
    recvList = message;
    const auto kind = net::lineNumber(recvList, 0);
    if (kind && *kind < net::MsgStart)
        SE_Play(joinSound);
    return kind;
}

void Tbootform::setMembers(const QStringList& names)
{
    Mem->clear();
    Mem->addItems(names);
}

// The guest's connection goes first, saying goodbye; then nothing is left listening.
void Tbootform::FormClose()
{
    CS->close();
    SS->close();
}

void Tbootform::FormDestroy()
{
    FormClose();
    SS.reset();
    CS.reset();
}

} // namespace ui
