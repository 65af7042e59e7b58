#pragma once
#include "ai/level.h"
#include "rules/scoring.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace ui {

// Who plays a game alone: the person's seat, and the levels of the three computers in the
// other seats, in seat order.
struct AloneSetup {
    int seat = 1;
    std::array<ai::Level, 3> levels{ai::Level::Strong, ai::Level::Greedy, ai::Level::Random};
    bool operator==(const AloneSetup&) const = default;
};

// What the command line may say of a game alone; the rest comes from the lobby and the setup.
struct AloneOptions {
    std::optional<ai::Level> level; // of all three computers
    std::optional<int> boardSize;
    std::optional<rules::Scoring> scoring;
};

// The level as the player reads it, in the interface's language.
QString shownLevelName(ai::Level level);
// The four seats' names: the person's at its seat, "CPU1(強い)" and so on at the others, in
// every language alike.
QStringList aloneMembers(const QString& name, const AloneSetup& setup);

// A section of its own in setting.ini (path as LobbySettings::path gives it); a missing file,
// key or a value out of range leaves that part at its default.
AloneSetup readAloneSetup(const QString& iniPath);
// Throws Failure when the file cannot be written.
void writeAloneSetup(const QString& iniPath, const AloneSetup& setup);

} // namespace ui
