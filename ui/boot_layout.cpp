#include "ui/boot.h"
#include "ui/webpagebutton.h"
#include "ui/messageline.h"
#include "ui/fonts.h"
#include "ui/named.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

// The lobby's controls at their designed places: the configuration panel uses absolute
// positions, the rest of the window follows the window's size.
namespace ui {
namespace {

constexpr int configHeight = 137;
constexpr int headingHeight = 16;
constexpr int memberWidth = 92;
constexpr int splitterWidth = 3;
constexpr int messageHeight = 21;
constexpr int senderWidth = 55;
constexpr int statusHeight = 20;

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int pixels = 12)
{
    auto* l = named(new QLabel(text, parent), name);
    l->setFont(uiFont(pixels));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, bool enabled)
{
    auto* b = named(new QPushButton(text, parent), name);
    b->setGeometry(x, y, 73, 25);
    b->setEnabled(enabled);
    return b;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* e = named(new QLineEdit(text, parent), name);
    e->setGeometry(place);
    return e;
}

void setBase(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
}

TExtTrackBar* slider(QWidget* parent, const char* name, const QRect& place, int min, int max, int position)
{
    auto* s = named(new TExtTrackBar(parent), name);
    s->setGeometry(place);
    s->setMin(min);
    s->setMax(max);
    s->setPosition(position);
    s->setEnabled(false);
    return s;
}

// A panel's heading: a strip of fixed height whose text is centred vertically.
QLabel* heading(QWidget* parent, const char* name, const QString& text)
{
    auto* l = named(new QLabel(text, parent), name);
    l->setFixedHeight(headingHeight);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QWidget* headedPanel(const char* name, QLabel* title, QWidget* body)
{
    auto* panel = named(new QWidget, name);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(title);
    column->addWidget(body, 1);
    return panel;
}

} // namespace

void Tbootform::createControls()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(createConfigPanel());
    column->addWidget(createChatArea(), 1);
    column->addWidget(createMessageLine());
    createStatusBar();
    column->addWidget(StatusBar);
    orderTabStops();
    nameControls();
}

QWidget* Tbootform::createConfigPanel()
{
    PanelConfig = named(new QWidget(this), "PanelConfig");
    PanelConfig->setFixedHeight(configHeight);
    createConnectionControls(PanelConfig);
    createRoleControls(PanelConfig);
    Bevel1 = named(new QFrame(PanelConfig), "Bevel1");
    Bevel1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    Bevel1->setGeometry(339, 0, 2, configHeight);
    createGameSettings(PanelConfig);
    return PanelConfig;
}

void Tbootform::createConnectionControls(QWidget* panel)
{
    label(panel, "Label5", tr("お名前"), 10, 4);
    BoxName = lineEdit(panel, "BoxName", QStringLiteral("YourName"), {8, 16, 142, 20});
    label(panel, "Label2", tr("ポート番号"), 156, 4);
    BoxPort = lineEdit(panel, "BoxPort", QStringLiteral("18389"), {156, 16, 57, 20});
    UseSOund = named(new QCheckBox(tr("サウンドを使用する"), panel), "UseSOund");
    UseSOund->setGeometry(219, 20, 117, 17);
    UseSOund->setChecked(true);
}

void Tbootform::createRoleControls(QWidget* panel)
{
    Method = named(new RadioGroup(tr("接続方式"), {tr("サーバーとして待機"), tr("クライアントとして接続")}, panel),
                   "Method");
    Method->setGeometry(8, 41, 143, 56);
    Method->setItemIndex(0);
    label(panel, "Label3", tr("ローカルかもしれないあなたのIP"), 157, 43);
    LabIP = lineEdit(panel, "LabIP", QString(), {156, 56, 105, 19});
    LabIP->setReadOnly(true);
    LabIP->setFont(uiFont(13));
    LabIP->setStyleSheet(QStringLiteral("QLineEdit { background: #DDFFDD; border: 1px solid black; padding: 0; }"));
    BtnStart = button(panel, "BtnStart", tr("待機開始"), 159, 78, true);
    label(panel, "Label1", tr("接続先IPアドレス"), 10, 101);
    BoxIP = named(new QComboBox(panel), "BoxIP");
    BoxIP->setEditable(true);
    BoxIP->setInsertPolicy(QComboBox::NoInsert);
    BoxIP->setGeometry(8, 113, 144, 20);
    BoxIP->setEnabled(false);
    setBoxIPColour(QPalette::Midlight);
    BtnGo = button(panel, "BtnGo", tr("接続"), 159, 108, false);
    BtnOut = button(panel, "BtnOut", tr("切断"), 236, 108, false);
}

void Tbootform::createGameSettings(QWidget* panel)
{
    LTime = label(panel, "LTime", tr("行動制限時間：なし"), 348, 8, 13);
    TimeLimit = slider(panel, "TimeLimit", {343, 22, 190, 25}, rules::MinTimeLimit, rules::NoLimit, rules::NoLimit);
    score_method = named(new RadioGroup(tr("スコア"), {tr("得点制"), tr("個数制")}, panel), "score_method");
    score_method->setGeometry(346, 55, 81, 56);
    score_method->setItemIndex(0);
    score_method->setEnabled(false);
    LSize = label(panel, "LSize", tr("盤のサイズ：8"), 432, 56, 13);
    TableSize = slider(panel, "TableSize", {425, 70, 110, 25}, rules::MinBoardSize, rules::MaxBoardSize,
                       rules::DefaultBoardSize);
    rotation = named(new QCheckBox(tr("宝石回転"), panel), "rotation");
    rotation->setGeometry(355, 115, 70, 17);
    rotation->setChecked(true);
    rotation->setEnabled(false);
    BtnGame = button(panel, "BtnGame", tr("ゲム開始"), 461, 108, false);
}

QWidget* Tbootform::createChatArea()
{
    Chat = named(new QPlainTextEdit, "Chat");
    Chat->setReadOnly(true);
    // A long session or a flood of chat must not grow the log, and the time to add a line, for ever.
    Chat->setMaximumBlockCount(2000);
    Chat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Chat->setFocusPolicy(Qt::ClickFocus); // the Tab key passes it by
    Chat->setFont(uiFont(13));
    setBase(Chat, QColor(0xF0, 0xFF, 0xFF));
    QLabel* labelChat = heading(nullptr, "LabelChat", tr(" 会話"));
    PanelChat = headedPanel("PanelChat", labelChat, Chat);

    Mem = named(new QListWidget, "Mem");
    setBase(Mem, QColor(0xF0, 0xFF, 0xFF));
    // A name longer than the list is wide ends in "…" and shows whole in its tooltip.
    Mem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Mem->setTextElideMode(Qt::ElideRight);
    QLabel* labelMem = heading(nullptr, "LabelMem", tr(" 参加者"));
    PanelMem = headedPanel("PanelMem", labelMem, Mem);
    createComputerControls(labelMem);
    BtnWeb = new WebPageButton(labelMem, [this] { return station_.webServed(); });
    createAloneControls(labelChat);
    createGameWindowControls(labelChat);

    Splitter2 = named(new QSplitter(Qt::Horizontal, this), "Splitter2");
    Splitter2->addWidget(PanelChat);
    Splitter2->addWidget(PanelMem);
    Splitter2->setHandleWidth(splitterWidth);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    Splitter2->setStyleSheet(QStringLiteral("QSplitter::handle { background: #5599CC; }"));
    Splitter2->setSizes({537 - memberWidth - splitterWidth, memberWidth});
    return Splitter2;
}

QWidget* Tbootform::createMessageLine()
{
    auto* panelMessage = named(new QWidget(this), "PanelMessage");
    panelMessage->setFixedHeight(messageHeight);
    EditMessage = named(new MessageLine(panelMessage), "EditMessage");
    EditMessage->setFont(uiFont(13));
    auto* panelSender = named(new QWidget(panelMessage), "PanelSender");
    panelSender->setFixedWidth(senderWidth);
    BtnSend = named(new QPushButton(tr("送信"), panelSender), "BtnSend");
    BtnSend->setGeometry(0, 1, senderWidth, 19);
    auto* row = new QHBoxLayout(panelMessage);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(EditMessage, 1);
    row->addWidget(panelSender);
    return panelMessage;
}

void Tbootform::createStatusBar()
{
    StatusBar = named(new QStatusBar(this), "StatusBar");
    StatusBar->setFixedHeight(statusHeight);
    StatusBar->showMessage(tr("ドラッグでサイズ変更が可能です"));
}

void Tbootform::orderTabStops()
{
    const QList<QWidget*> order{Method->button(0),
                                Method->button(1),
                                LabIP,
                                BtnStart,
                                BtnOut,
                                BtnGo,
                                BoxIP,
                                UseSOund,
                                BoxName,
                                BoxPort,
                                BtnGame,
                                TableSize,
                                score_method->button(0),
                                score_method->button(1),
                                TimeLimit,
                                rotation,
                                Mem,
                                EditMessage,
                                BtnSend};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace ui
