#pragma once
#include "rules/gameview.h"

namespace computer {

// A game that nobody watches: nothing to draw, no sound, no pause.
class SilentView : public rules::GameView {
public:
    void Put(int, int, int) override {}
    void PutAt(int, int, int) override {}
    void Del(int, int) override {}
    void DelBlock(int, int, int, int) override {}
    void repaintBoard() override {}
    void setBoardSize(int) override {}
    void showName(int, const QString&) override {}
    void showLamp(int, bool) override {}
    void showScore(int, const QString&) override {}
    void showGain(const QString&, int) override {}
    void showTimeLeft(const QString&) override {}
    void setCaption(const QString&) override {}
    void showStatus(const QString&) override {}
    void showResult(const std::vector<rules::Place>&) override {}
    void play(rules::Sound) override {}
    void pause(int) override {}
};

} // namespace computer
