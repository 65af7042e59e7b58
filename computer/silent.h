#pragma once
#include "rules/gameview.h"
#include "rules/station.h"

namespace computer {

// A game that nobody watches: nothing to draw, no sound, no pause.
class SilentView : public rules::GameView {
public:
    void Put(int, int, int) override {}
    void PutOnTheWay(int, int, rules::Direction, int, int, int) override {}
    void Del(int, int) override {}
    void DelBlock(int, int, int, int) override {}
    void repaintBoard() override {}
    void repaintWholeBoard() override {}
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

// A guest station without controls: no board or pass button to switch, no timers, no lobby
// settings, and a player who never leaves the choice to chance.
class SilentStation : public rules::Station {
public:
    bool isHost() const override { return false; }
    bool autoPlay() const override { return false; }
    unsigned autoPlaySeed() const override { return 0; }
    void setBoardEnabled(bool) override {}
    void setPassEnabled(bool) override {}
    void setTimeoutInterval(int) override {}
    void startTimers() override {}
    void stopTimers() override {}
    void Setting_enable(bool) override {}
};

} // namespace computer
