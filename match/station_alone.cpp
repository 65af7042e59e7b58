#include "match/station.h"
#include "net/names.h"
#include "rules/failure.h"

#include <algorithm>

// A game alone, the next game, and the person who leaves a game's window and comes back.
namespace match {

void Station::playAlone(const rules::Settings& settings, int seat, const QStringList& members,
                        const std::array<ai::Level, 3>& levels)
{
    if (inSession())
        throw Failure(tr("接続中は一人で遊べません"));
    aloneGame_ = {settings, std::clamp(seat, 1, rules::Seats), members, levels};
    if (aloneGame_.members.size() >= aloneGame_.seat)
        aloneGame_.members[aloneGame_.seat - 1] = net::acceptName(members[aloneGame_.seat - 1], {});
    beginAlone();
}

// A computer in the first seat is asked as it takes the seat.
void Station::beginAlone()
{
    endAlone();
    match_.abandon(); // a network game left behind by a lost host
    match_.setTable(nullptr);
    keeper_.setActive(false);
    // The computers stand ready before the game starts, so that it starts as a game alone.
    for (const ai::Level level : aloneGame_.levels)
        computers_.push_back(std::make_unique<ComputerSeat>(level));
    match_.start(aloneGame_.settings, aloneGame_.seat, aloneGame_.members);
    auto computer = computers_.begin();
    for (int s = 1; s <= rules::Seats; ++s)
        if (s != match_.mySeat())
            match_.setPlayer(s, (computer++)->get());
    match_.openFirstTurn();
}

void Station::endAlone()
{
    if (!alone())
        return;
    match_.abandon();
    for (int seat = 1; seat <= rules::Seats; ++seat)
        match_.setPlayer(seat, nullptr);
    computers_.clear();
    setHost(host_);
}

bool Station::canStartNewGame() const
{
    return alone() || canStart_;
}

void Station::startNewGame()
{
    if (alone())
        beginAlone();
    else
        startGame();
}

// Nobody waits for a seat alone, so automatic play would only play the person's game for them.
void Station::leaveGame()
{
    if (match_.running() && alone()) {
        match_.abandon();
    } else if (match_.running() && inSession() && !leftGame_) {
        leftGame_ = true;
        updateAutoPlay();
        emit chatLine(tr("◆ゲーム画面を閉じました。このゲームの残りは自動で打ちます"));
        // A turn already open is played once the window has gone.
        QTimer::singleShot(0, this, [this] {
            if (leftGame_ && match_.myTurn() && match_.running())
                match_.tekitoo();
        });
    }
    // The game goes on without the host's window: the host may set up the next one.
    setCanStart(true);
}

void Station::backToGame()
{
    if (std::exchange(leftGame_, false))
        emit chatLine(tr("◆ゲーム画面に戻りました"));
    updateAutoPlay();
}

} // namespace match
