#pragma once
#include "match/station.h"
#include "record/recorder.h"
#include "rules/game.h"
#include "rules/position.h"
#include "rules/ranking.h"
#include "ui/boardpictures.h"
#include "ui/moveanimator.h"
#include "ui/movescreen.h"
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
class BoardCoordinates;
class LookControls;
class BoardGrid;
class HowToPlay;

// The game window: the board, the side panel with lamps, scores and names, the pass button
// and the turn's countdown. It shows the station's match over time and passes on what the
// player does; the match decides. Created hidden; closing it only hides it.
class Tmainform : public QWidget, public MoveScreen {
    Q_OBJECT
public:
    // exeDir is the executable's folder; img/ and snd/ lie beneath it. The window keeps its own
    // choices in the settings file at settingsPath; none when it is empty.
    Tmainform(match::Station& station, const QString& exeDir, const QString& settingsPath, QWidget* parent = nullptr);
    ~Tmainform() override;

    const rules::Game& game() const { return match_.game(); }
    match::Match& match() { return match_; }
    // The board as shown so far, which may lag behind the game's while a move is shown.
    MoveAnimator& animator() { return animator_; }

    // Asks the strong computer level for a cell in this station's turn and marks it for a
    // while; the search runs on a worker thread and the cell goes nowhere else.
    void showHint();
    void showHelp();
    // Shows the window again and gives the seat back to the player.
    void showAgain();

    // What start-up loaded; a null pixmap or empty sound was not loaded.
    const QPixmap& image(int index) const { return images_[index]; }
    const BoardImages& images() const { return images_; }
    const BoardImages& largerImages() const { return larger_; }
    const QPixmap& lamp(bool lit) const { return lit ? lightOn_ : lightOff_; }
    const QByteArray& sound(Sound which) const { return sounds_[static_cast<int>(which)]; }
    // The smallest outer size (frame included) for the current board.
    QSize outerMinimumSize() const { return outerMinimum_; }
    // Device pixels a board cell takes on screen in a window of that client size, with n
    // cells a side at that device pixel ratio.
    static int shownCellFor(const QSize& client, int n, double ratio);
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
    void repaintWholeBoard();
    // MoveScreen
    void Put(int col, int row, int image) override;
    void PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image) override;
    void Del(int col, int row) override;
    void repaintBoard() override;
    void showLamp(int seat, bool lit) override;
    void showScore(int seat, int score) override;
    void showGain(int taken) override;
    void showTurn(int seat) override;
    void showEnd() override;
    void play(Sound sound) override;
    void showName(int seat, const QString& name);
    void showGainText(const QString& text, int taken);
    void showResult(const std::vector<rules::Place>& places);

private:
    void gameStarted();
    void setBoardSize(int n); // N × N grid and the window figures that follow from it
    void showScoreText(int seat, const QString& text);
    void showTimeLeft(const QString& text);
    void setBoardEnabled(bool on);
    void setPassEnabled(bool on);
    void followMatch();
    void createGameActions();
    void updateGameActions();
    void showJump();

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
    void createAids();
    void createHelpButton();
    void readGameSettings();
    void ShowLegalClick(bool on);
    void followTurn(bool open);
    void sayForcedPass(bool forced);
    void showLegalMarks();
    void hintChosen(rules::Cell cell);
    void parkFocus(QWidget* leaving);
    void learnFrame();
    QSize frameExtent() const; // the frame's width and height together
    void applyMinimumSize();
    void fitOnScreen();
    void takeKeyboard();
    void fitBoard();
    void nameControls();
    void describeSeat(int seat);
    QString describeCell(int col, int row) const;
    QLabel* scoreLabel(int seat) const;

    // The window's controls.
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
    // Aids for the player, on the board's right-click menu and their keys.
    QAction* ShowLegal = nullptr; // marks the legal cells during this station's turn; saved
    QAction* HintAction = nullptr;
    QAction* HelpAction = nullptr;
    QToolButton* BtnHelp = nullptr; // in the status bar
    QTimer* hintTimer = nullptr;    // how long a hint stays
    // In the status bar once a game is over.
    AnalysisOffer* AnalyzeGame = nullptr;
    BoardCoordinates* coordinates_ = nullptr; // along the board where there is room
    LookControls* looks_ = nullptr;           // the board's theme and the sounds' volume

    match::Station& station_;
    match::Match& match_;
    MoveAnimator animator_{*this};
    QString exeDir_;
    QString settingsPath_;
    BoardImages images_;
    BoardImages larger_;
    QPixmap lightOff_;
    QPixmap lightOn_;
    std::array<QByteArray, 4> sounds_; // put, buzz, flip, rotate as Sound orders them
    QSize outerMinimum_;
    QMargins frame_;
    bool frameKnown_ = false;
    std::array<bool, 5> lit_{}; // whose lamp is lit, by seat
    int hoverCol_ = 0;          // the cell under the hover cursor
    int hoverRow_ = 0;
    int turnSerial_ = 0; // counts the openings and closings of turns, so a late hint is dropped
    int hintTurn_ = 0;
    QFutureWatcher<rules::Cell> hintWatcher_;
    HowToPlay* howToPlay_ = nullptr; // made when first asked for
    QAction* newGame_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace ui
