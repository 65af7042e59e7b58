#include "ui/alonedialog.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/headingbutton.h"
#include "ui/lobbysettings.h"
#include "ui/named.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

// Playing alone from the lobby: one click with the remembered opponents and the lobby's game
// settings, a dialog that chooses them, and the next game alone from the game window.
namespace ui {

// In the chat's heading, left of the records, so no other control moves.
void Tbootform::createAloneControls(QLabel* chatHeading)
{
    BtnAlone = named(new QToolButton, "BtnAlone");
    BtnAlone->setText(tr("一人で遊ぶ"));
    BtnAlone->setAccessibleName(tr("一人で遊ぶ"));
    BtnAlone->setToolTip(tr("コンピューター3人とすぐに対戦します（ネットワークは使いません）"));
    BtnAlone->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(BtnAlone);
    QAction* choose = menu->addAction(tr("相手と席を選ぶ..."));
    BtnAlone->setMenu(menu);
    putInHeading(chatHeading, BtnAlone);
    BtnAlone->setFixedWidth(BtnAlone->sizeHint().width());
    connect(BtnAlone, &QToolButton::clicked, this, [this] { guarded([this] { playAlone(); }); });
    connect(choose, &QAction::triggered, this, [this] { guarded([this] { chooseAloneSetup(); }); });
}

void Tbootform::playAlone(const AloneOptions& options)
{
    if (options.boardSize)
        TableSize->setPosition(*options.boardSize);
    if (options.scoring)
        score_method->setItemIndex(int(*options.scoring));
    AloneSetup setup = settings_ ? readAloneSetup(settings_->path()) : AloneSetup{};
    if (options.level)
        setup.levels.fill(*options.level);
    station_.playAlone(gameSettings(), setup.seat, aloneMembers(BoxName->text(), setup), setup.levels);
}

// The choice is kept for the next run, and played at once.
void Tbootform::chooseAloneSetup()
{
    AloneDialog dialog(settings_ ? readAloneSetup(settings_->path()) : AloneSetup{}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (settings_)
        writeAloneSetup(settings_->path(), dialog.setup());
    playAlone();
}

// Hosting or joined, the role stays and a game alone waits; idle, the game settings are the
// player's, for a game alone.
void Tbootform::lockRole(bool locked)
{
    Method->setEnabled(!locked);
    BtnAlone->setEnabled(!locked);
    setGameSettingsEnabled(!locked);
}

} // namespace ui
