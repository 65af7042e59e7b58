#include "ui/lookcontrols.h"
#include "ui/boardcoordinates.h"
#include "ui/boardgrid.h"
#include "ui/boardtheme.h"
#include "ui/errorbox.h"
#include "ui/lookdialog.h"
#include "ui/named.h"
#include "ui/soundplayer.h"
#include <QAction>
#include <QSignalBlocker>
#include <QWidget>

namespace ui {

LookControls::LookControls(BoardGrid& board, BoardCoordinates& coordinates, QString iniPath,
                           std::function<void()> refit, QWidget* window)
    : QObject(window), board_(board), coordinates_(coordinates), iniPath_(std::move(iniPath)), refit_(std::move(refit)),
      window_(window), settings_(named(new QAction(tr("表示と音の設定..."), window), "LookSettings")),
      mute_(named(new QAction(tr("消音"), window), "Mute"))
{
    mute_->setCheckable(true);
    mute_->setShortcut(Qt::Key_M);
    window->addActions({settings_, mute_});
    if (!iniPath_.isEmpty())
        setting_ = readLookSetting(iniPath_);
    show();
    connect(settings_, &QAction::triggered, this, [this] { guarded([this] { choose(); }); });
    connect(mute_, &QAction::toggled, this, [this](bool on) {
        LookSetting muted = setting_;
        muted.muted = on;
        guarded([&] { apply(muted); });
    });
}

void LookControls::apply(const LookSetting& setting)
{
    setting_ = setting;
    show();
    if (!iniPath_.isEmpty())
        writeLookSetting(iniPath_, setting_);
}

void LookControls::show()
{
    const BoardTheme& theme = boardTheme(setting_.theme);
    board_.setColours(theme.board, theme.line);
    coordinates_.setWanted(setting_.coordinates);
    SoundPlayer::instance().setVolume(setting_.muted ? 0 : setting_.volume);
    const QSignalBlocker quiet(mute_);
    mute_->setChecked(setting_.muted);
    refit_();
}

void LookControls::choose()
{
    LookDialog dialog(setting_, window_);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.setting());
}

} // namespace ui
