#include "ui/closequestion.h"
#include "ui/errorbox.h"
#include "ui/main.h"
#include "ui/windowsizesetting.h"
#include <QCloseEvent>

// Closing the game window and showing it again. What becomes of a game under way is the
// station's: alone it stops, with the other stations the seat plays on automatically.
namespace ui {

void Tmainform::closeEvent(QCloseEvent* event)
{
    const QString question = station_.alone()
                                 ? tr("ゲームの途中です。閉じると、このゲームは中断します。")
                                 : tr("ゲームの途中です。閉じると、このゲームの終わりまで自動で打ちます。");
    if (station_.playing() && !station_.leftGame() && !confirmClosing(this, question)) {
        event->ignore();
        return;
    }
    guarded([&] { FormClose(); });
    event->accept();
}

// Kept for the next run once the player has changed it; a window never resized writes nothing.
void Tmainform::FormClose()
{
    if (!settingsPath_.isEmpty() && (size() != minimumSize() || readWindowSize(settingsPath_).isValid()))
        writeWindowSize(settingsPath_, size());
    station_.leaveGame();
}

void Tmainform::showAgain()
{
    station_.backToGame();
    show();
    raise();
    activateWindow();
}

} // namespace ui
