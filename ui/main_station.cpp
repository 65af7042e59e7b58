#include "rules/ranking.h"
#include "ui/boardgrid.h"
#include "ui/main.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

// The window follows the station's match: a new game is shown at once, each move over time,
// and the person's turn opens only once the board shows what came before it.
namespace ui {

void Tmainform::followMatch()
{
    match_.setPacer([this](std::function<void()> action) { animator_.then(std::move(action)); });
    connect(&match_, &match::Match::started, this, &Tmainform::gameStarted);
    connect(&match_, &match::Match::moved, this,
            [this](const rules::Outcome& o) { animator_.show(o, match_.catchingUp()); });
    connect(&match_, &match::Match::jumped, this, &Tmainform::showJump);
    connect(&match_, &match::Match::refused, this, [this] { play(Sound::Buzz); });
    // The first turn of a game opens before any change of turn has named its seat.
    connect(&match_, &match::Match::turnOpened, this, [this] {
        showTurn(game().curPlayer());
        setBoardEnabled(true);
        setPassEnabled(true);
    });
    connect(&match_, &match::Match::turnClosed, this, [this] {
        setBoardEnabled(false);
        setPassEnabled(false);
    });
    connect(&match_, &match::Match::timeLeftChanged, this, &Tmainform::showTimeLeft);
    connect(&match_, &match::Match::stopped, this, [this] { setWindowTitle(rules::stoppedCaption()); });
}

// What the last game left goes: its picture, its result and the texts of its status bar.
void Tmainform::gameStarted()
{
    const rules::Game& g = game();
    hoverCol_ = hoverRow_ = 0;
    setBoardEnabled(false);
    setPassEnabled(false);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        showName(seat, g.name(seat));
    // Seat 1's lamp lights and the others go out, in the order the windows have always used.
    for (const int seat : {1, 2, 4, 3})
        showLamp(seat, seat == 1);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        showScore(seat, g.scores()[std::size_t(seat)]);
    showTimeLeft(g.timeLimit() >= rules::NoLimit
                     ? QCoreApplication::translate("rules::Game", "時間制限 無し")
                     : QCoreApplication::translate("rules::Game", "残り%1秒").arg(g.timeLimit()));
    setBoardSize(g.boardSize());
    setWindowTitle(QCoreApplication::translate("rules::Game", "Kuralo　サイズ%1").arg(g.boardSize()));
    showGainText(QString(), 0);
    Table->paintOver(g.centerCol() - 3, g.centerRow() - 3, g.centerCol() + 3, g.centerRow() + 3);
    animator_.reset(g.board(), g.scoring());
    repaintWholeBoard();
    StatusBar->showMessage(QString());
    showResult({});
    // A game with the other stations or alone shows the window; once shown, its keys are the game's.
    if (station_.inSession() || station_.alone())
        show();
    QTimer::singleShot(0, this, &Tmainform::takeKeyboard);
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

} // namespace ui
