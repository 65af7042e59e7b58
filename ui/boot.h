#pragma once
#include "match/station.h"
#include "rules/game.h"
#include "ui/alonesetup.h"
#include "ui/extrkbar.h"
#include "ui/gamelobby.h"
#include "ui/radiogroup.h"
#include <QByteArray>
#include <QPalette>
#include <QStringList>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QFrame;
class QPushButton;
class QSplitter;
class QStatusBar;
class QToolButton;
namespace ui {
class WebPageButton;
}
class QMenu;

namespace computer {
class ComputerPlayer;
}

namespace ui {

class LobbySettings;
class RecordsWindow;
class Tmainform;

// The lobby window: connection settings, host or guest, chat, members, the sound switch and
// the host's game settings. The program's main window; closing it ends the program.
class Tbootform : public QWidget, public GameLobby {
    Q_OBJECT
public:
    // exeDir ends in a path separator; snd/ lies beneath it or in the installed data folder,
    // and setting.ini beside it while that folder can be written.
    explicit Tbootform(const QString& exeDir, QWidget* parent = nullptr);
    ~Tbootform() override;

    // The lobby's sound when someone joins, leaves or chats.
    QByteArray joinSound;
    // This station: its match, its members and its connections, the host's listening socket
    // with its guests or the guest's link to its host.
    match::Station& station() { return *station_; }
    // The port of the page for browsers from the command line, over setting.ini; 0 serves none.
    void setWebPort(quint16 port);

    bool isHost() const override; // item 0 of Method
    bool inSession() const override;
    match::Match& match() override { return station_->match(); }
    rules::Scoring scoring() const; // score_method's items are the rules in order
    // The game the host's controls set up now.
    rules::Settings gameSettings() const;
    QStringList members() const;
    // The settings file; empty when start-up stopped before opening it, and then nothing is written.
    QString settingsPath() const override;
    void addChat(const QString& line) override;

    void MethodClick();
    void TableSizeChange();
    void TimeLimitChange();
    void Setting_enable(bool enable) override;
    void setGameSettingsEnabled(bool enable); // all but ゲム開始
    void SE_Play(const QByteArray& sound) override;
    void BtnSendClick();
    void BtnOutClick();

    // Host side.
    void BtnStartClick();
    // Computer players join this host over the loopback address; level 1 to 3.
    void addComputer(int level);
    void removeComputer(const QString& name);
    QStringList computerNames() const;
    void BtnGameClick();
    // Guest side.
    void BtnGoClick();
    void CSConnect();
    // A game alone against the computers chosen last, with the lobby's game settings but what
    // `options` says; no socket is opened.
    void playAlone(const AloneOptions& options = {});
    bool playsAlone() const override;
    bool canStartNewGame() const override;
    void startNewGame() override;
    void CSDisconnect();
    void CSError();
    void CSLost();

signals:
    // A chat line typed here has gone to the chat log; sendChat passes it on.
    void chatLineTyped(const QString& line);
    // The user closed the lobby: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createConfigPanel();
    void createConnectionControls(QWidget* panel);
    void createRoleControls(QWidget* panel);
    void createGameSettings(QWidget* panel);
    QWidget* createChatArea();
    QWidget* createMessageLine();
    void createStatusBar();
    void createComputerControls(QLabel* heading);
    void createAloneControls(QLabel* chatHeading);
    void chooseAloneSetup();
    void beginAlone();
    void lockRole(bool locked);
    void showMemberMenu(const QPoint& at);
    void createGameWindowControls(QLabel* chatHeading);
    void addGameWindowItem(QMenu& menu);
    bool canShowGameWindow() const;
    void showGameWindow();
    void showHelp();
    void showRecords();
    void removeAllComputers();
    void orderTabStops();
    void nameControls();
    void nameSliders();
    void connectHandlers();
    void setBoxIPColour(QPalette::ColorRole role);

    void FormCreate();
    void FormClose();
    void FormDestroy();
    void connectNetwork();
    void connectHostLobby();
    void sendChat(const QString& line);
    void stopHosting();
    void gameMoved(const rules::Outcome& outcome);
    void leaveHost();
    void backToIdle();
    void unlockNameAndPort();
    void setMembers(const QStringList& names);
    void ring();
    // GameLobby
    void setGameWindow(Tmainform* window) override;
    void showStartSettings(const net::StartSettings& start);
    void EditMessageKeyDown(int key);
    // What setting.ini keeps: the name as the player typed it, which the name box shows until
    // hosting or joining shows it as it travels.
    QString savedName() const;
    // The name box shows the name as it travels; the player's own stays what is saved.
    void showTravellingName(const QString& name);
    QString exeDir_;
    QString playerName_ = QStringLiteral("YourName");
    std::vector<computer::ComputerPlayer*> computers_;
    Tmainform* mainform = nullptr; // the game window, while it exists
    QMetaObject::Connection showOnStart_;
    QPointer<RecordsWindow> records_;
    // The game alone under way, for the next one.
    AloneSetup aloneSetup_;
    rules::Settings aloneSettings_;
    QString aloneName_;

    // The lobby's controls.
    QLineEdit* BoxName = nullptr;
    QLineEdit* BoxPort = nullptr;
    QCheckBox* UseSOund = nullptr;
    RadioGroup* Method = nullptr;
    QLineEdit* LabIP = nullptr;
    QPushButton* BtnStart = nullptr;
    QComboBox* BoxIP = nullptr;
    QPushButton* BtnGo = nullptr;
    QPushButton* BtnOut = nullptr;
    QLabel* LTime = nullptr;
    TExtTrackBar* TimeLimit = nullptr;
    RadioGroup* score_method = nullptr;
    QLabel* LSize = nullptr;
    TExtTrackBar* TableSize = nullptr;
    QCheckBox* rotation = nullptr;
    QPushButton* BtnGame = nullptr;
    QPlainTextEdit* Chat = nullptr;
    QListWidget* Mem = nullptr;
    QPlainTextEdit* EditMessage = nullptr;
    QPushButton* BtnSend = nullptr;
    QToolButton* BtnComputer = nullptr; // adds and removes computer players while hosting
    WebPageButton* BtnWeb = nullptr;    // the page for browsers: on or off, its address
    QToolButton* BtnHelp = nullptr;     // opens the rules, in the chat's heading
    QToolButton* BtnRecords = nullptr;  // opens the kept games, beside it
    QStatusBar* StatusBar = nullptr;
    QWidget* PanelConfig = nullptr;
    QWidget* PanelChat = nullptr;
    QWidget* PanelMem = nullptr;
    QSplitter* Splitter2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QToolButton* BtnAlone = nullptr;
    // Null when start-up stopped before opening the settings file; then nothing is written.
    std::unique_ptr<LobbySettings> settings_;
    std::unique_ptr<match::Station> station_;
};

} // namespace ui
