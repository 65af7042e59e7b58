#pragma once
#include "record/recorder.h"
#include "rules/game.h"
#include "rules/gameview.h"
#include "rules/station.h"
#include "ui/boardpictures.h"
#include "rules/position.h"
#include <QByteArray>
#include <QFutureWatcher>
#include <QMargins>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

namespace ui {

class AnalysisOffer;
class GameLobby;
class BoardGrid;
class HowToPlay;

// The game window: the board, the side panel with lamps, scores and names, the pass button
// and the two turn timers. It owns the game and is the game's screen, speaker, clock and
// station; the rules decide, it shows and asks. Created hidden; closing it only hides it.
class Tmainform : public QWidget, public rules::GameView, public rules::Station {
    Q_OBJECT
public:
    // exeDir is the executable's folder; img/ and snd/ lie beneath it.
    Tmainform(GameLobby& lobby, const QString& exeDir, QWidget* parent = nullptr);
    ~Tmainform() override;

    rules::Game game;
    // Scales every pause of the game; tests and benchmarks set 0 to play without waiting.
    static inline int pauseFactor = 1;

    // The window's controls; the rules reach them through the GameView and Station operations
    // below, and tests drive them as a player would.
    ui::BoardGrid* Table = nullptr;
    QFrame* Panel = nullptr;
    std::array<QLabel*, 5> Light{}; // Light1..Light4 at 1..4
    QLabel* PRed = nullptr;
    QLabel* PBlu = nullptr;
    QLabel* PGrn = nullptr;
    QLabel* PBlk = nullptr;
    std::array<QLabel*, 5> Name{}; // Name1..Name4 at 1..4
    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LTL = nullptr;
    QLabel* LPoint = nullptr;
    QPushButton* BtnPass = nullptr;
    QCheckBox* AutoPass = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* PanelResult = nullptr; // below the side panel, shown once a game has ended
    QTimer* Timer = nullptr;
    QTimer* counter = nullptr;
    // Aids for the player, on the board's right-click menu and their keys.
    QAction* ShowLegal = nullptr; // marks the legal cells during this station's turn; saved
    QAction* HintAction = nullptr;
    QAction* HelpAction = nullptr;
    QToolButton* BtnHelp = nullptr; // in the status bar
    QTimer* hintTimer = nullptr;    // how long a hint stays
    // In the status bar once a game is over.
    AnalysisOffer* AnalyzeGame = nullptr;

    // Sets up a new game in which this station plays `seat` (0 to watch); throws Failure when
    // fewer than four members are listed. Does not show the window.
    void newGame(const rules::Settings& settings, int seat, const QStringList& members);
    // Announces a placement, or a pass as (-1, -1), to the other stations.
    void sendgameinfo(int col, int row);

    // Asks the strong computer level for a cell in this station's turn and marks it for a
    // while; the search runs on a worker thread and the cell goes nowhere else.
    void showHint();
    void showHelp();
    // A game is set up and not over while this station hosts or is joined.
    bool gameRunning() const;
    // The window was closed while a game ran: automatic play keeps the seat's turns going.
    bool abandoned() const { return abandoned_; }
    // Shows the window again and gives the seat back to the player.
    void showAgain();

    // What start-up loaded; a null pixmap or empty sound was not loaded.
    const QPixmap& image(int index) const { return images_[index]; }
    const BoardImages& images() const { return images_; }
    const record::Recorder& recorder() const { return *recorder_; }
    const BoardImages& largerImages() const { return larger_; }
    const QPixmap& lamp(bool lit) const { return lit ? lightOn_ : lightOff_; }
    const QByteArray& sound(rules::Sound which) const { return sounds_[static_cast<int>(which)]; }
    // The smallest outer size (frame included) for the current board.
    QSize outerMinimumSize() const { return outerMinimum_; }
    // The client area the window opens with.
    static constexpr QSize DesignClient{539, 401};
    // The widest a seat's name shows beside its lamp; a longer one is elided.
    static constexpr int NameWidth = 103;
    // False while the frame's size is still an estimate (the window was never shown).
    bool frameKnown() const { return frameKnown_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

public:
    // rules::GameView
    void Put(int col, int row, int image) override;
    void PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image) override;
    void PutAt(int x, int y, int image); // top-left pixel of the board surface
    void Del(int col, int row) override;
    void DelBlock(int col0, int row0, int col1, int row1) override;
    void repaintBoard() override;
    void repaintWholeBoard() override;
    void setBoardSize(int n) override;
    void showName(int seat, const QString& name) override;
    void showLamp(int seat, bool lit) override;
    void showScore(int seat, const QString& text) override;
    void showGain(const QString& text, int taken) override;
    void showTimeLeft(const QString& text) override;
    void setCaption(const QString& text) override;
    void showStatus(const QString& text) override;
    void showResult(const std::vector<rules::Place>& places) override;
    void play(rules::Sound sound) override;
    void pause(int ms) override;

    // rules::Station
    int mySeat() const override { return seat_; }
    bool isHost() const override;
    bool autoPlay() const override;
    unsigned autoPlaySeed() const override;
    void setBoardEnabled(bool on) override;
    void setPassEnabled(bool on) override;
    void setTimeoutInterval(int ms) override;
    void startTimers() override;
    void stopTimers() override;
    void announce(int col, int row) override;
    void Setting_enable(bool on) override;

private:
    void FormCreate();
    void createSidePanel();
    void createScoreRow(int seat, QLabel*& score, int top, const QString& colour);
    void createMoveArea();
    void createResultPanel();
    void fitResult();
    void connectHandlers();
    void loadSounds();
    void loadImages();
    void paintBoard(bool whole);
    void TableDrawCell(int col, int row, bool whole);
    void TableMouseMove(int x, int y);
    void FormClose();
    bool confirmClose();
    void leaveToAutoPlay();
    void createAids();
    void createHelpButton();
    void readGameSettings();
    void ShowLegalClick(bool on);
    void followTurn(bool open);
    void showLegalMarks();
    void hintChosen(rules::Cell cell);
    void parkFocus(QWidget* leaving);
    void learnFrame();
    void applyMinimumSize();
    void fitBoard();
    void nameControls();
    void describeSeat(int seat);
    QString describeCell(int col, int row) const;
    QLabel* scoreLabel(int seat) const;

    GameLobby& lobby_;
    QString exeDir_;
    std::unique_ptr<record::Recorder> recorder_;
    BoardImages images_;
    BoardImages larger_;
    QPixmap lightOff_;
    QPixmap lightOn_;
    std::array<QByteArray, 4> sounds_; // put, buzz, flip, rotate as rules::Sound orders them
    QSize outerMinimum_;
    QSize usual_ = DesignClient; // the size beyond which the board grows
    QMargins frame_;
    bool frameKnown_ = false;
    bool abandoned_ = false;
    int seat_ = 0;              // in the game under way
    std::array<bool, 5> lit_{}; // whose lamp is lit, by seat
    int hoverCol_ = 0;          // the cell under the hover cursor
    int hoverRow_ = 0;
    int turnSerial_ = 0; // counts the openings and closings of turns, so a late hint is dropped
    int hintTurn_ = 0;
    QFutureWatcher<rules::Cell> hintWatcher_;
    HowToPlay* howToPlay_ = nullptr; // made when first asked for
};

} // namespace ui
