#pragma once
#include <QByteArray>
#include <QString>

namespace match {
class Match;
}

namespace ui {

class Tmainform;

// What the game window asks of the lobby it belongs to. The game window owns this interface;
// the lobby implements it and knows the game window only by its operations.
class GameLobby {
public:
    // The game window registers itself while it exists, and goes with null.
    virtual void setGameWindow(Tmainform* window) = 0;
    // A line in this station's chat log only.
    virtual void addChat(const QString& line) = 0;
    // Plays a sound unless the player switched sounds off.
    virtual void SE_Play(const QByteArray& sound) = 0;
    // The settings file the window keeps its own choices in; empty when nothing is written.
    virtual QString settingsPath() const = 0;
    virtual bool isHost() const = 0;
    virtual bool inSession() const = 0; // hosting, or joined to a host
    // A game against computers of this process, whose moves may be taken back.
    virtual bool playsAlone() const = 0;
    // The next game: alone, the same again; a host's as its game button starts it.
    virtual bool canStartNewGame() const = 0;
    virtual void startNewGame() = 0;
    // The station's match, which the window shows and plays in.
    virtual match::Match& match() = 0;
    // The host's game settings, open again once a game has ended.
    virtual void Setting_enable(bool enable) = 0;

protected:
    ~GameLobby() = default;
};

} // namespace ui
