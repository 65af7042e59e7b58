#pragma once
#include "ui/looksetting.h"
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace ui {

class BoardCoordinates;
class BoardGrid;

// The game's look and sound as the player set them: read from setting.ini at start, shown on
// the board and in the sound player, kept again at each change. Its two actions open the
// settings dialog and switch the sound off and on (M).
class LookControls : public QObject {
    Q_OBJECT
public:
    // With an empty iniPath nothing is read or kept. refit places the board again after the
    // coordinates were switched.
    LookControls(BoardGrid& board, BoardCoordinates& coordinates, QString iniPath, std::function<void()> refit,
                 QWidget* window);

    QAction* settingsAction() const { return settings_; }
    QAction* muteAction() const { return mute_; }
    const LookSetting& setting() const { return setting_; }
    // Shows the setting and keeps it; throws Failure when setting.ini cannot be written.
    void apply(const LookSetting& setting);

private:
    void show();
    void choose();

    BoardGrid& board_;
    BoardCoordinates& coordinates_;
    QString iniPath_;
    std::function<void()> refit_;
    QWidget* window_;
    LookSetting setting_;
    QAction* settings_;
    QAction* mute_;
};

} // namespace ui
