#pragma once
#include "ui/boardpictures.h"
#include <QToolButton>
#include <functional>

class QStatusBar;

namespace ui {

class ReplayWindow;

// "この対戦を分析" at the end of the game window's status bar once a game is over and kept: it
// opens the record just written in a replay that analyses it at once.
class AnalysisOffer : public QToolButton {
    Q_OBJECT
public:
    // Takes its place in bar. images and larger outlive the button; lastRecord names the file
    // the last game was written to, empty when none was.
    AnalysisOffer(QStatusBar& bar, const BoardImages& images, const BoardImages& larger,
                  std::function<QString()> lastRecord);

    // Offered after a game's end when its record was written; withdrawn otherwise.
    void follow(bool ended);
    // The replay, analysing, as a window of the game window's; none when the record cannot be
    // read any more, which the status bar then says.
    ReplayWindow* openAnalysis();

private:
    QStatusBar& bar_;
    const BoardImages& images_;
    const BoardImages& larger_;
    std::function<QString()> lastRecord_;
    QString file_; // of the game offered
};

} // namespace ui
