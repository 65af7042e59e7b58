#pragma once
#include "ui/extrkbar.h"
#include "ui/radiogroup.h"
#include <QByteArray>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

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

namespace net {
class Connection;
class GuestLink;
class HostServer;
} // namespace net

namespace ui {

class LobbySettings;
class Tmainform;

// The lobby window: connection settings, host or guest, chat, members, the sound switch and
// the host's game settings. The program's main window; closing it ends the program.
class Tbootform : public QWidget {
    Q_OBJECT
public:
    // exeDir ends in a path separator; snd/ lies beneath it or in the installed data folder,
    // and setting.ini beside it while that folder can be written.
    explicit Tbootform(const QString& exeDir, QWidget* parent = nullptr);
    ~Tbootform() override;

    // Controls that the game window and the networking read and write directly.
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
    QStatusBar* StatusBar = nullptr;
    QWidget* PanelConfig = nullptr;
    QWidget* PanelChat = nullptr;
    QWidget* PanelMem = nullptr;
    QSplitter* Splitter2 = nullptr;
    QFrame* Bevel1 = nullptr;

    QStringList sendList;
    QStringList recvList;
    QByteArray joinSound;
    int mySeat = 0;
    // Null when start-up stopped before opening the settings file; then nothing is written.
    std::unique_ptr<LobbySettings> settings;
    // The host's listening socket with its guests, and the guest's connection to the host.
    std::unique_ptr<net::HostServer> SS;
    std::unique_ptr<net::GuestLink> CS;
    // The game window, while it exists; it registers itself.
    Tmainform* mainform = nullptr;

    bool isHost() const; // item 0 of Method
    QStringList members() const;
    void addChat(const QString& line);

    void MethodClick();
    void TableSizeChange();
    void TimeLimitChange();
    void Setting_enable(bool enable);
    void SE_Play(const QByteArray& sound);
    void BtnSendClick();
    void BtnOutClick();

    // Host side.
    void BtnStartClick();
    void BtnGameClick();
    void SSClientRead(net::Connection& sender, const QStringList& message);
    // Guest side.
    void BtnGoClick();
    void CSConnect();
    void CSRead(const QStringList& message);
    void CSDisconnect();
    void CSError();

signals:
    // A chat line typed here has gone to the chat log; the networking passes it on.
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
    void orderTabStops();
    void connectHandlers();
    void setBoxIPColour(QPalette::ColorRole role);

    void FormCreate();
    void FormClose();
    void FormDestroy();
    void connectNetwork();
    void setMembers(const QStringList& names);
    // Keeps a message that arrived in recvList and gives its kind; lobby kinds ring joinSound.
    std::optional<int> receive(const QStringList& message);
    void sendChat(const QString& line);
    void stopHosting();
    void guestJoined(net::Connection& sender);
    void guestLeft(net::Connection& sender);
    void guestChat(net::Connection& sender);
    void guestMove(net::Connection& sender);
    void leaveHost();
    void startFromHost();
    void moveFromHost();
    void EditMessageKeyDown(int key);
    QString exeDir_;
};

} // namespace ui
