#pragma once
#include "match/station.h"
#include "rules/game.h"
#include "ui/alonesetup.h"
#include "ui/extrkbar.h"
#include "ui/radiogroup.h"
#include <QByteArray>
#include <QPalette>
#include <QStringList>
#include <QPointer>
#include <QWidget>
#include <memory>

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

namespace ui {

class LobbySettings;
class RecordsWindow;
class Tmainform;

// The lobby window: connection settings, host or guest, chat, members, the sound switch and
// the host's game settings. It shows what its station tells and passes on what the player
// does. The program's main window; closing it ends the program.
class Tbootform : public QWidget {
    Q_OBJECT
public:
    // exeDir ends in a path separator; snd/ lies beneath it or in the installed data folder,
    // and setting.ini beside it while that folder can be written.
    Tbootform(match::Station& station, const QString& exeDir, QWidget* parent = nullptr);
    ~Tbootform() override;

    // The lobby's sound when someone joins, leaves or chats.
    QByteArray joinSound;
    match::Station& station() { return station_; }
    // The game window the lobby shows again and takes pictures from; null while there is none.
    void setGameWindow(Tmainform* window) { mainform = window; }
    // The port of the page for browsers from the command line, over setting.ini; 0 serves none.
    void setWebPort(quint16 port);

    rules::Scoring scoring() const; // score_method's items are the rules in order
    // The game the host's controls set up now.
    rules::Settings gameSettings() const;
    // The settings file; empty when start-up stopped before opening it, and then nothing is written.
    QString settingsPath() const;

    void MethodClick();
    void TableSizeChange();
    void TimeLimitChange();
    void Setting_enable(bool enable);
    void setGameSettingsEnabled(bool enable); // all but ゲム開始
    void SE_Play(const QByteArray& sound);
    void BtnSendClick();
    void BtnOutClick();
    void BtnStartClick();
    void BtnGameClick();
    void BtnGoClick();
    // A game against the computers chosen last, with the lobby's game settings but what
    // `options` says; no socket is opened.
    void playAlone(const AloneOptions& options = {});

signals:
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
    void lockRole(bool locked);
    void showMemberMenu(const QPoint& at);
    void createGameWindowControls(QLabel* chatHeading);
    void addGameWindowItem(QMenu& menu);
    bool canShowGameWindow() const;
    void showGameWindow();
    void showHelp();
    void showRecords();
    void orderTabStops();
    void nameControls();
    void nameSliders();
    void connectHandlers();
    void setBoxIPColour(QPalette::ColorRole role);

    void FormCreate();
    void FormClose();
    void followStation();
    void showState(match::Station::State state);
    // A game alone under way goes only when the player says so.
    bool mayEndAlone();
    void askReturn(const QString& name, int seat);
    void unlockNameAndPort();
    void setMembers(const QStringList& names);
    void showStartSettings(const rules::Settings& start);
    void EditMessageKeyDown(int key);
    // What setting.ini keeps: the name as the player typed it, which the name box shows until
    // hosting or joining shows it as it travels.
    QString savedName() const;
    // The name box shows the name as it travels; the player's own stays what is saved.
    void showTravellingName(const QString& name);
    match::Station& station_;
    QString exeDir_;
    QString playerName_ = QStringLiteral("YourName");
    Tmainform* mainform = nullptr; // the game window, while it exists
    QPointer<RecordsWindow> records_;

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
};

} // namespace ui
