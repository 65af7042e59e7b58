#pragma once
#include "rules/game.h"
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// A screen and a station that only write down, in order, what the rules asked of them.
namespace fakes {

using Log = std::vector<std::string>;

inline std::string utf8(const QString& text) { return text.toStdString(); }

inline std::string cell(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }

class FakeView : public rules::GameView {
public:
    explicit FakeView(Log& log) : log_(log) {}

    void Put(int col, int row, int image) override { add("Put " + cell(col, row) + " " + std::to_string(image)); }
    void PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image) override
    {
        add("PutOnTheWay " + cell(col, row) + " " + cell(toward.dc, toward.dr) + " " + std::to_string(step) + "/" +
            std::to_string(steps) + " " + std::to_string(image));
    }
    void Del(int col, int row) override { add("Del " + cell(col, row)); }
    void DelBlock(int col0, int row0, int col1, int row1) override
    {
        add("DelBlock " + cell(col0, row0) + " " + cell(col1, row1));
    }
    void repaintBoard() override
    {
        add("repaint");
        if (game)
            boardAtRepaint.push_back(game->board());
    }
    void repaintWholeBoard() override
    {
        add("repaint all");
        if (game)
            boardAtRepaint.push_back(game->board());
    }
    void setBoardSize(int n) override { add("size " + std::to_string(n)); }
    void showName(int seat, const QString& name) override { add("name " + std::to_string(seat) + " " + utf8(name)); }
    void showLamp(int seat, bool lit) override
    {
        lamps[seat] = lit;
        add("lamp " + std::to_string(seat) + (lit ? " on" : " off"));
    }
    void showScore(int seat, const QString& text) override
    {
        scores[seat] = utf8(text);
        add("score " + std::to_string(seat) + " " + scores[seat]);
    }
    void showGain(const QString& text, int taken) override
    {
        gain = utf8(text);
        gainTaken = taken;
        add("gain " + gain + " " + std::to_string(taken));
    }
    void showTimeLeft(const QString& text) override { add("time " + (timeLeft = utf8(text))); }
    void setCaption(const QString& text) override { add("caption " + (caption = utf8(text))); }
    void showStatus(const QString& text) override { add("status " + (status = utf8(text))); }
    void showResult(const std::vector<rules::Place>& places) override
    {
        result = places;
        std::string entry = "result";
        for (const rules::Place& p : places)
            entry += " " + std::to_string(p.place) + ":" + utf8(p.name) + "=" + std::to_string(p.score);
        add(entry);
    }
    void play(rules::Sound sound) override
    {
        static const char* const names[] = {"put", "buzz", "flip", "rotate"};
        add(std::string("sound ") + names[static_cast<int>(sound)]);
    }
    void pause(int ms) override { add("pause " + std::to_string(ms)); }

    // What the side panel and the window show now.
    std::string scores[5];
    bool lamps[5] = {};
    std::string gain, timeLeft, caption, status;
    std::vector<rules::Place> result;
    int gainTaken = 0;
    std::vector<rules::Board> boardAtRepaint;
    const rules::Game* game = nullptr;

private:
    void add(std::string entry) { log_.push_back(std::move(entry)); }
    Log& log_;
};

class FakeStation : public rules::Station {
public:
    explicit FakeStation(Log& log) : log_(log) {}

    int mySeat() const override { return seat; }
    bool isHost() const override { return host; }
    bool autoPlay() const override { return automatic; }
    unsigned autoPlaySeed() const override { return seed; }

    void setBoardEnabled(bool on) override { log_.push_back(std::string("board ") + ((boardOn = on) ? "on" : "off")); }
    void setPassEnabled(bool on) override { log_.push_back(std::string("pass ") + ((passOn = on) ? "on" : "off")); }
    void setTimeoutInterval(int ms) override { log_.push_back("interval " + std::to_string(ms)); }
    void startTimers() override { log_.push_back("timers start"); }
    void stopTimers() override { log_.push_back("timers stop"); }
    void announce(int col, int row) override
    {
        log_.push_back("announce " + cell(col, row) + " seat " + std::to_string(game->curPlayer()));
        boardOn = passOn = false;
    }
    void Setting_enable(bool on) override { log_.push_back(std::string("settings ") + (on ? "on" : "off")); }

    int seat = 1;
    bool host = true;
    bool automatic = false;
    unsigned seed = 0;
    bool boardOn = false;
    bool passOn = false;
    rules::Game* game = nullptr;

private:
    Log& log_;
};

inline std::string nameOf(rules::Scoring scoring) { return scoring == rules::Scoring::Count ? "Count" : "Points"; }

inline const QStringList FourNames{"あかね", "bob", "carol", "dave"};

// One station's game with its fakes, set up the way the lobby would.
struct GameRig {
    Log log;
    FakeView view{log};
    FakeStation station{log};
    rules::Game game{view, station};
    bool rotation = false; // of the games reset() sets up

    GameRig()
    {
        station.game = &game;
        view.game = &game;
    }
    void reset(int size, rules::Scoring scoring = rules::Scoring::Points, int timeLimit = rules::NoLimit)
    {
        game.Reset({size, scoring, timeLimit, rotation}, FourNames);
        log.clear();
        view.boardAtRepaint.clear();
    }
    // Entries of the log that begin with one of the prefixes, in order.
    Log only(std::initializer_list<std::string_view> prefixes) const
    {
        Log kept;
        for (const std::string& entry : log)
            for (std::string_view prefix : prefixes)
                if (entry.starts_with(prefix)) {
                    kept.push_back(entry);
                    break;
                }
        return kept;
    }
};

// Board pictures: one string per row from the top, one character per column; '.' is
// empty, digits are cell codes (1-4 faces, 5-8 jewels of seats 1-4).
inline void load(rules::Game& game, std::initializer_list<std::string_view> rows)
{
    const int n = static_cast<int>(rows.size());
    rules::Board board;
    board.reset(n);
    int row = 0;
    for (std::string_view line : rows) {
        for (int col = 0; col < n && col < static_cast<int>(line.size()); ++col)
            board[col][row] = static_cast<rules::Code>(line[col] == '.' ? rules::Empty : line[col] - '0');
        ++row;
    }
    const rules::Position& now = game.position();
    game.resume(rules::Position(board, now.toMove(), now.scores(), now.scoring(), now.rotation(), now.passCount()));
}

// The game as it stands with one cell changed.
inline void setCell(rules::Game& game, int col, int row, int code)
{
    const rules::Position& now = game.position();
    rules::Board board = now.board();
    board[col][row] = static_cast<rules::Code>(code);
    game.resume(rules::Position(board, now.toMove(), now.scores(), now.scoring(), now.rotation(), now.passCount()));
}

// The game as it stands with `seat` to move after `passes` passes in a row.
inline void setTurn(rules::Game& game, int seat, int passes = 0)
{
    const rules::Position& now = game.position();
    game.resume(rules::Position(now.board(), seat, now.scores(), now.scoring(), now.rotation(), passes));
}

inline std::vector<std::string> picture(const rules::Game& game)
{
    std::vector<std::string> rows(game.boardSize(), std::string(game.boardSize(), '.'));
    for (int col = 0; col < game.boardSize(); ++col)
        for (int row = 0; row < game.boardSize(); ++row)
            if (game.board()[col][row] != rules::Empty)
                rows[row][col] = static_cast<char>('0' + game.board()[col][row]);
    return rows;
}

inline int countCells(const rules::Game& game, int code)
{
    int n = 0;
    for (int col = 0; col < game.boardSize(); ++col)
        for (int v : game.board()[col])
            n += v == code;
    return n;
}

} // namespace fakes

namespace rules {
// A scoring rule prints as its name in test names and failures.
inline void PrintTo(Scoring scoring, std::ostream* out) { *out << fakes::nameOf(scoring); }
} // namespace rules
