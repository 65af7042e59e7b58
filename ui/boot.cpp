#include "ui/boot.h"
#include "match/keptname.h"
#include "ui/webpagebutton.h"
#include "ui/assetfile.h"
#include "ui/closequestion.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/localaddress.h"
#include "ui/lobbysettings.h"
#include "ui/main.h"
#include "ui/programicon.h"
#include "ui/settingspath.h"
#include "ui/soundplayer.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ui {
namespace {

constexpr int clientWidth = 537;
constexpr int clientHeight = 339;
// The outer minimum of 545 x 260 less a frame of 4 pixels a side and a caption of 22.
constexpr int minimumClientHeight = 230;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Connects a signal to a handler whose failures end in the error box.
template <class Sender, class Signal>
void handle(Sender* sender, Signal signal, Tbootform* form, void (Tbootform::*handler)())
{
    QObject::connect(sender, signal, form, [form, handler] { guarded([&] { (form->*handler)(); }); });
}

} // namespace

Tbootform::Tbootform(match::Station& station, const QString& exeDir, QWidget* parent)
    : QWidget(parent), station_(station), exeDir_(exeDir)
{
    setWindowTitle(tr("対戦ゲム　ロビー (for Kuralo ver1.7)"));
    setWindowIcon(programIcon());
    setFont(uiFont(12));
    createControls();
    connectHandlers();
    resize(clientWidth, clientHeight);
    setMinimumSize(clientWidth, minimumClientHeight);
    lockRole(false);
    guarded([this] { FormCreate(); });
    station_.setHost(true);
    station_.setNextSettings(gameSettings());
}

// The station outlives its windows: what the lobby started ends with it.
Tbootform::~Tbootform()
{
    station_.disconnect(this);
    guarded([this] { FormClose(); });
}

void Tbootform::connectHandlers()
{
    handle(Method, &RadioGroup::Click, this, &Tbootform::MethodClick);
    handle(TableSize, &TExtTrackBar::OnChange, this, &Tbootform::TableSizeChange);
    handle(TimeLimit, &TExtTrackBar::OnChange, this, &Tbootform::TimeLimitChange);
    handle(BtnSend, &QPushButton::clicked, this, &Tbootform::BtnSendClick);
    handle(BtnStart, &QPushButton::clicked, this, &Tbootform::BtnStartClick);
    handle(BtnGo, &QPushButton::clicked, this, &Tbootform::BtnGoClick);
    handle(BtnOut, &QPushButton::clicked, this, &Tbootform::BtnOutClick);
    handle(BtnGame, &QPushButton::clicked, this, &Tbootform::BtnGameClick);
    EditMessage->installEventFilter(this);
    connect(BoxName, &QLineEdit::textChanged, this, [this](const QString& typed) { playerName_ = typed; });
    connect(UseSOund, &QCheckBox::toggled, this, [](bool on) { SoundPlayer::instance().setSilent(!on); });
    // The host's next game, from the game window too, is the one these controls show.
    const auto nextSettings = [this] { station_.setNextSettings(gameSettings()); };
    connect(TableSize, &TExtTrackBar::OnChange, this, nextSettings);
    connect(TimeLimit, &TExtTrackBar::OnChange, this, nextSettings);
    connect(score_method, &RadioGroup::Click, this, nextSettings);
    connect(rotation, &QCheckBox::toggled, this, nextSettings);
    followStation();
}

void Tbootform::FormCreate()
{
    LabIP->setText(localAddress());
    // Without the join sound the lobby keeps its initial values and never opens the settings.
    joinSound = readWhole(assetPath(exeDir_, QStringLiteral("snd\\kako.wav")));
    settings_ = std::make_unique<LobbySettings>(settingsFiles(exeDir_, userConfigDir()));
    const LobbyValues values = settings_->read();
    BoxName->setText(values.name);
    BoxPort->setText(values.port);
    bool given = false;
    const quint16 webPort = values.webPort.toUShort(&given);
    if (given)
        BtnWeb->setPort(webPort);
    BoxIP->clear();
    BoxIP->addItems(values.ipList);
    // The saved address stands on its own, whether or not the list holds it.
    BoxIP->setCurrentIndex(-1);
    BoxIP->setEditText(values.ip);
}

void Tbootform::closeEvent(QCloseEvent* event)
{
    if (station_.playing() &&
        !confirmClosing(this, tr("ゲームの途中です。ロビーを閉じると、このゲームを抜けて終了します。"))) {
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    event->accept();
    emit Closed();
}

// The guest's connection goes first, saying goodbye; then nothing is left listening.
void Tbootform::FormClose()
{
    station_.leave();
    station_.stopHosting();
}

// The file holds Shift_JIS: a character it cannot hold is kept as its nearest.
QString Tbootform::savedName() const
{
    return match::keptName(playerName_);
}

void Tbootform::showTravellingName(const QString& name)
{
    const QString typed = playerName_;
    BoxName->setText(name);
    playerName_ = typed;
}

rules::Scoring Tbootform::scoring() const
{
    return rules::Scoring(score_method->ItemIndex());
}

rules::Settings Tbootform::gameSettings() const
{
    return {TableSize->Position(), scoring(), TimeLimit->Position(), rotation->isChecked()};
}

QString Tbootform::settingsPath() const
{
    return settings_ ? settings_->path() : QString();
}

void Tbootform::setBoxIPColour(QPalette::ColorRole role)
{
    QPalette p = BoxIP->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Active, role));
    BoxIP->setPalette(p);
}

void Tbootform::MethodClick()
{
    const bool host = Method->ItemIndex() == 0;
    station_.setHost(host);
    BtnStart->setEnabled(host);
    BtnGo->setEnabled(!host);
    BoxIP->setEnabled(!host);
    setBoxIPColour(host ? QPalette::Midlight : QPalette::Base);
}

void Tbootform::TableSizeChange()
{
    LSize->setText(tr("盤のサイズ：%1").arg(TableSize->Position()));
    LSize->adjustSize();
    nameSliders();
}

void Tbootform::TimeLimitChange()
{
    const int seconds = TimeLimit->Position();
    LTime->setText(seconds == rules::NoLimit ? tr("行動制限時間：なし") : tr("行動制限時間：%1秒").arg(seconds));
    LTime->adjustSize();
    nameSliders();
}

void Tbootform::Setting_enable(bool enable)
{
    BtnGame->setEnabled(enable);
    setGameSettingsEnabled(enable);
}

void Tbootform::setGameSettingsEnabled(bool enable)
{
    score_method->setEnabled(enable);
    TableSize->setEnabled(enable);
    TimeLimit->setEnabled(enable);
    rotation->setEnabled(enable);
}

void Tbootform::SE_Play(const QByteArray& sound)
{
    SoundPlayer::instance().play(sound);
}

void Tbootform::BtnSendClick()
{
    const QString text = EditMessage->toPlainText();
    if (text.isEmpty())
        return;
    const QString line = BoxName->text() + QStringLiteral("：") + text;
    station_.note(line);
    EditMessage->clear();
    station_.sendChat(line);
}

void Tbootform::EditMessageKeyDown(int key)
{
    if (isEnter(key))
        BtnSendClick();
}

bool Tbootform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != EditMessage || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    guarded([&] { EditMessageKeyDown(key); });
    // Enter is never typed into the one-line entry.
    return isEnter(key);
}

} // namespace ui
