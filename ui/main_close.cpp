#include "ui/closequestion.h"
#include "ui/gamelobby.h"
#include "ui/errorbox.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include "ui/windowsizesetting.h"
#include <QCloseEvent>
#include <QTimer>
#include <utility>

// Closing the game window and showing it again. A game that runs goes on without the window:
// the seat's turns are played automatically, so the other stations never wait for it.
namespace ui {

void Tmainform::closeEvent(QCloseEvent* event)
{
    const QString question = lobby_.playsAlone()
                                 ? tr("ゲームの途中です。閉じると、このゲームは中断します。")
                                 : tr("ゲームの途中です。閉じると、このゲームの終わりまで自動で打ちます。");
    if (gameRunning() && !abandoned_ && !confirmClosing(this, question)) {
        event->ignore();
        return;
    }
    guarded([&] { FormClose(); });
    event->accept();
}

void Tmainform::FormClose()
{
    // Kept for the next run once the player has changed it; a window never resized writes nothing.
    const QString path = lobby_.settingsPath();
    if (!path.isEmpty() && (size() != minimumSize() || readWindowSize(path).isValid()))
        writeWindowSize(path, size());
    // Alone, nobody waits for the seat: the game stops, kept as unfinished.
    if (gameRunning() && lobby_.playsAlone())
        match_.abandon();
    else if (gameRunning())
        leaveToAutoPlay();
    // The game goes on hidden; only the host may set up the next one.
    if (lobby_.isHost() && lobby_.inSession())
        lobby_.Setting_enable(true);
}

void Tmainform::leaveToAutoPlay()
{
    abandoned_ = true;
    updateAutoPlay();
    lobby_.addChat(tr("◆ゲーム画面を閉じました。このゲームの残りは自動で打ちます"));
    // A turn already open is played once the window has gone.
    QTimer::singleShot(0, this, [this] {
        if (abandoned_ && match_.myTurn() && !game().gameOver())
            guarded([&] { match_.tekitoo(); });
    });
}

void Tmainform::showAgain()
{
    if (std::exchange(abandoned_, false))
        lobby_.addChat(tr("◆ゲーム画面に戻りました"));
    updateAutoPlay();
    show();
    raise();
    activateWindow();
}

bool Tmainform::gameRunning() const
{
    return match_.running() && (lobby_.inSession() || lobby_.playsAlone());
}

} // namespace ui
