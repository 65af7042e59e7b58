#pragma once
#include <QKeySequence>
#include <QString>
#include <vector>

// Every key that the window 遊び方 names, with the window that binds it: the help writes its
// keys from this list alone, and a test holds each one to the window's own shortcuts.
namespace ui {

struct HelpKey {
    enum Window { Lobby, Game, Replay };
    Window window;
    QKeySequence key;
    const char* what;     // translated in the context "HelpKey"
    QString line() const; // "Ctrl+Z 待った"
};

const std::vector<HelpKey>& helpKeys();

} // namespace ui
