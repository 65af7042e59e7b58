#include "ui/gamelobby.h"
#include "ui/main.h"
#include "ui/boardgrid.h"
#include <QCheckBox>
#include <QPushButton>
#include <QTime>
#include <QTimer>

// This station's side of the turn flow: the lobby's switches and the window's own controls.
namespace ui {

bool Tmainform::isHost() const
{
    return lobby_.isHost();
}
bool Tmainform::autoPlay() const
{
    return AutoPass->isChecked() || abandoned_;
}
unsigned Tmainform::autoPlaySeed() const
{
    return unsigned(QTime::currentTime().msecsSinceStartOfDay());
}

void Tmainform::setBoardEnabled(bool on)
{
    if (!on)
        parkFocus(Table);
    Table->setEnabled(on);
    followTurn(on);
}

void Tmainform::setPassEnabled(bool on)
{
    if (!on)
        parkFocus(BtnPass);
    BtnPass->setEnabled(on);
}
void Tmainform::setTimeoutInterval(int ms)
{
    Timer->setInterval(ms);
}

void Tmainform::startTimers()
{
    Timer->start();
    counter->start();
}

void Tmainform::stopTimers()
{
    Timer->stop();
    counter->stop();
}

void Tmainform::announce(int col, int row)
{
    sendgameinfo(col, row);
}

// The local turn closes in any case.
void Tmainform::sendgameinfo(int col, int row)
{
    lobby_.announceMove(game, col, row);
    setBoardEnabled(false);
    setPassEnabled(false);
}

void Tmainform::Setting_enable(bool on)
{
    lobby_.Setting_enable(on);
}

} // namespace ui
