#pragma once
#include "match/player.h"

#include <QTimer>
#include <functional>

namespace match {

// A seat played from a browser's page: its turn is told to the page, whose move comes back
// through the host's lobby and counts only as a guest's would. The host keeps the seat's time,
// since the page holds no clock anyone must trust.
class BrowserSeat : public Player {
public:
    // `tell` sends the seat's page the game as it stands, its legal cells with it.
    explicit BrowserSeat(std::function<void(int seat)> tell);
    void yourTurn(Match& match, int seat) override;
    void stop() override { clock_.stop(); }

private:
    std::function<void(int seat)> tell_;
    QTimer clock_;
};

} // namespace match
