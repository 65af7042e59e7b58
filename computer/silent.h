#pragma once
#include "rules/gameview.h"
#include "rules/station.h"

namespace computer {

// A game that nobody watches: nothing to draw, no sound, no pause; GameView does nothing
// unless told otherwise.
class SilentView : public rules::GameView {};

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
