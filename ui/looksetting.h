#pragma once
#include <QString>

namespace ui {

// How the player likes the game to look and sound, keys of their own in setting.ini (section
// GameSetting). A missing file or key, or a value out of range, reads as the default.
struct LookSetting {
    static constexpr int MaxVolume = 100;
    QString theme = QStringLiteral("classic"); // a BoardTheme key
    bool coordinates = true;                   // letters and numbers along the board
    int volume = MaxVolume;                    // of every sound, 0 to MaxVolume
    bool muted = false;                        // no sound, the volume kept for later
    bool operator==(const LookSetting&) const = default;
};

LookSetting readLookSetting(const QString& iniPath);
// Throws Failure when the file cannot be written.
void writeLookSetting(const QString& iniPath, const LookSetting& setting);

} // namespace ui
