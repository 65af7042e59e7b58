#include "boot_fixture.h"
#include "ui/radiogroup.h"
#include "ui/soundplayer.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>

namespace {

// The lobby as it stands right after a start-up that found its join sound.
class BootTest : public LobbyTest {
protected:
    void SetUp() override
    {
        LobbyTest::SetUp();
        putJoinSound();
        start();
        ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    }

    void showLobby()
    {
        lobby->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(lobby.get()));
    }
};

QString shownText(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return QStringLiteral("<no text>");
}

TEST_F(BootTest, StartsIdleAsHostWithTheDesignedTexts)
{
    struct Row {
        const char* name;
        const char* text;
        bool enabled;
    };
    const Row rows[] = {{"Label5", "お名前", true}, {"BoxName", "YourName", true}, {"Label2", "ポート番号", true},
        {"BoxPort", "18389", true}, {"UseSOund", "サウンドを使用する", true}, {"Method", "接続方式", true},
        {"Label3", "ローカルかもしれないあなたのIP", true}, {"BtnStart", "待機開始", true},
        {"Label1", "接続先IPアドレス", true}, {"BtnGo", "接続", false}, {"BtnOut", "切断", false},
        {"LTime", "行動制限時間：なし", true}, {"score_method", "スコア", true}, {"LSize", "盤のサイズ：8", true},
        {"rotation", "宝石回転", true}, {"BtnGame", "ゲム開始", false}, {"LabelChat", " 会話", true},
        {"LabelMem", " 参加者", true}, {"BtnSend", "送信", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shownText(control(row.name)), QString::fromUtf8(row.text));
        EXPECT_EQ(control(row.name)->isEnabled(), row.enabled);
    }
    EXPECT_EQ(lobby->windowTitle(), QStringLiteral("対戦ゲム\u3000ロビー (for Kuralo ver1.7)"));
    EXPECT_EQ(control<QStatusBar>("StatusBar")->currentMessage(),
              QStringLiteral("ドラッグでサイズ変更が可能です"));
    EXPECT_FALSE(control<QComboBox>("BoxIP")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("UseSOund")->isChecked() && control<QCheckBox>("rotation")->isChecked());
    EXPECT_TRUE(lobby->station().isHost());
    EXPECT_EQ(control<ui::RadioGroup>("score_method")->ItemIndex(), 0);
    const std::tuple<ui::TExtTrackBar*, int, int, int> sliders[] = {{control<ui::TExtTrackBar>("TimeLimit"), 5, 61, 61},
                                                                    {control<ui::TExtTrackBar>("TableSize"), 6, 26, 8}};
    for (const auto& [slider, min, max, position] : sliders) {
        EXPECT_EQ(std::tuple(slider->Min(), slider->Max(), slider->Position()), std::tuple(min, max, position));
        EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
        EXPECT_TRUE(slider->isEnabled()) << "idle, they set up a game alone";
    }
}

// Tests and style sheets find the controls by their design names, each name once.
TEST_F(BootTest, EachControlCarriesItsDesignNameOnce)
{
    for (const char* name : {"BoxName", "BoxPort", "UseSOund", "Method", "LabIP", "BtnStart", "BoxIP", "BtnGo", "BtnOut",
                             "LTime", "TimeLimit", "score_method", "LSize", "TableSize", "rotation", "BtnGame", "Chat",
                             "Mem", "EditMessage", "BtnSend", "BtnComputer", "BtnHelp", "BtnRecords", "BtnAlone",
                             "StatusBar", "PanelConfig", "PanelChat", "PanelMem", "Splitter2", "Bevel1"})
        EXPECT_EQ(lobby->findChildren<QObject*>(QString::fromLatin1(name)).size(), 1) << name;
}

TEST_F(BootTest, ControlsSitAtTheirDesignedPlaces)
{
    const std::pair<const char*, QRect> rows[] = {{"BoxName", {8, 16, 142, 20}}, {"Method", {8, 41, 143, 56}},
        {"LabIP", {156, 56, 105, 19}}, {"BoxIP", {8, 113, 144, 20}}, {"BtnOut", {236, 108, 73, 25}},
        {"TimeLimit", {343, 22, 190, 25}}, {"TableSize", {425, 70, 110, 25}}, {"BtnGame", {461, 108, 73, 25}}};
    for (const auto& [name, place] : rows)
        EXPECT_EQ(control(name)->geometry(), place) << name;
    EXPECT_EQ(control("LSize")->pos(), QPoint(432, 56));
    EXPECT_EQ(control<QFrame>("Bevel1")->geometry().left(), 339);
}

TEST_F(BootTest, ExtraRoomGoesToTheChatLogAndTheWindowStopsAtItsMinimum)
{
    showLobby();
    const auto bands = [&] {
        return QList<int>{control("PanelConfig")->height(), control("Splitter2")->height(),
            control("EditMessage")->height(), control("StatusBar")->height(), control("PanelMem")->width(),
            control("PanelChat")->width()};
    };
    EXPECT_EQ(bands(), (QList<int>{137, 339 - 137 - 21 - 20, 21, 20, 92, 537 - 92 - 3}));
    lobby->resize(800, 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bands() == QList<int>{137, 500 - 178, 21, 20, 92, 800 - 95}; }));
    lobby->resize(300, 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lobby->size() == QSize(537, 230); }));
    EXPECT_EQ(control<QPushButton>("BtnSend")->size(), QSize(55, 19));
    EXPECT_EQ(control("LabelChat")->height(), 16);
}

TEST_F(BootTest, ColouredControlsPaintTheirColours)
{
    showLobby();
    const auto pixel = [](QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); };
    EXPECT_EQ(pixel(control<QPlainTextEdit>("Chat")->viewport(), 5, 5), QColor(0xF0, 0xFF, 0xFF));
    EXPECT_EQ(pixel(control("Mem"), 5, 5), QColor(0xF0, 0xFF, 0xFF));
    EXPECT_EQ(pixel(control<QSplitter>("Splitter2")->handle(1), 1, 10), QColor(0x55, 0x99, 0xCC));
    EXPECT_EQ(pixel(control("LabIP"), control("LabIP")->width() - 3, 3), QColor(0xDD, 0xFF, 0xDD));
    EXPECT_EQ(control<QLineEdit>("LabIP")->font().pixelSize(), 13);
    EXPECT_EQ(control<QPlainTextEdit>("EditMessage")->font().pixelSize(), 13);
    EXPECT_EQ(control<QLineEdit>("BoxName")->font().pixelSize(), 12);
}

TEST_F(BootTest, TabVisitsTheControlsInTheDesignedOrderAndSkipsTheChatLog)
{
    auto* method = control<ui::RadioGroup>("Method");
    auto* scoring = control<ui::RadioGroup>("score_method");
    const QList<QWidget*> expected{method->button(0), method->button(1), control("LabIP"), control("BtnStart"),
        control("BtnOut"), control("BtnGo"), control("BoxIP"), control("UseSOund"), control("BoxName"),
        control("BoxPort"), control("BtnGame"), control("TableSize"), scoring->button(0), scoring->button(1),
        control("TimeLimit"), control("rotation"), control("Mem"), control("EditMessage"), control("BtnSend")};
    QList<QWidget*> visited;
    QWidget* w = expected.front();
    do {
        if (expected.contains(w))
            visited.append(w);
        w = w->nextInFocusChain();
    } while (w != expected.front());
    EXPECT_EQ(visited, expected);
    EXPECT_FALSE(control<QPlainTextEdit>("Chat")->focusPolicy() & Qt::TabFocus);
}

TEST_F(BootTest, GuestChoiceEnablesTheHostBoxAndHostChoiceDisablesItKeepingItsText)
{
    control<QPushButton>("BtnOut")->setEnabled(true);
    control<ui::RadioGroup>("Method")->button(1)->click();
    EXPECT_FALSE(control<QPushButton>("BtnStart")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("BtnGo")->isEnabled() && control<QComboBox>("BoxIP")->isEnabled());
    EXPECT_EQ(control<QComboBox>("BoxIP")->palette().color(QPalette::Base), lobby->palette().color(QPalette::Base));

    control<QComboBox>("BoxIP")->setEditText(QStringLiteral("192.168.0.2"));
    control<ui::RadioGroup>("Method")->button(0)->click();
    EXPECT_TRUE(control<QPushButton>("BtnStart")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BtnGo")->isEnabled() || control<QComboBox>("BoxIP")->isEnabled());
    EXPECT_EQ(control<QComboBox>("BoxIP")->palette().color(QPalette::Base), lobby->palette().color(QPalette::Midlight));
    EXPECT_EQ(control<QComboBox>("BoxIP")->currentText(), QStringLiteral("192.168.0.2"));
    EXPECT_TRUE(control<QPushButton>("BtnOut")->isEnabled()); // nothing else follows the choice
    EXPECT_FALSE(control<QPushButton>("BtnGame")->isEnabled());
}

TEST_F(BootTest, SwitchingTheGameSettingsOffAndOnKeepsTheirValues)
{
    control<ui::TExtTrackBar>("TableSize")->setPosition(12);
    control<ui::TExtTrackBar>("TimeLimit")->setPosition(30);
    control<ui::RadioGroup>("score_method")->setItemIndex(1);
    control<QCheckBox>("rotation")->setChecked(false);
    const QList<QWidget*> settings{control("BtnGame"), control("score_method"), control("TableSize"),
                                   control("TimeLimit"), control("rotation")};
    for (bool enable : {true, false, true}) {
        lobby->Setting_enable(enable);
        for (QWidget* w : settings)
            EXPECT_EQ(w->isEnabled(), enable) << w->objectName().toStdString();
    }
    EXPECT_EQ(control<ui::TExtTrackBar>("TableSize")->Position(), 12);
    EXPECT_EQ(control<ui::TExtTrackBar>("TimeLimit")->Position(), 30);
    EXPECT_EQ(control<ui::RadioGroup>("score_method")->ItemIndex(), 1);
    EXPECT_FALSE(control<QCheckBox>("rotation")->isChecked());
}

TEST_F(BootTest, TimeLabelShowsSecondsOrNoLimit)
{
    const std::pair<int, const char*> rows[] = {
        {61, "行動制限時間：なし"}, {60, "行動制限時間：60秒"}, {30, "行動制限時間：30秒"}, {5, "行動制限時間：5秒"}};
    for (const auto& [seconds, label] : rows) {
        control<ui::TExtTrackBar>("TimeLimit")->setPosition(seconds == 5 ? 6 : 5);
        control<ui::TExtTrackBar>("TimeLimit")->setPosition(seconds);
        EXPECT_EQ(control<QLabel>("LTime")->text(), QString::fromUtf8(label)) << seconds;
    }
    lobby->Setting_enable(true);
    QTest::keyClick(control<ui::TExtTrackBar>("TimeLimit"), Qt::Key_End); // the user's own move labels the new position
    EXPECT_EQ(control<QLabel>("LTime")->text(), QStringLiteral("行動制限時間：なし"));
}

TEST_F(BootTest, SizeLabelFollowsClampsAndStaysWhenThePositionStays)
{
    const std::pair<int, int> rows[] = {{6, 6}, {26, 26}, {12, 12}, {30, 26}};
    for (const auto& [set, shown] : rows) {
        control<ui::TExtTrackBar>("TableSize")->setPosition(set);
        EXPECT_EQ(control<ui::TExtTrackBar>("TableSize")->Position(), shown);
        EXPECT_EQ(control<QLabel>("LSize")->text(), QStringLiteral("盤のサイズ：%1").arg(shown));
    }
    control<QLabel>("LSize")->setText(QStringLiteral("untouched"));
    control<ui::TExtTrackBar>("TableSize")->setPosition(26);
    control<ui::TExtTrackBar>("TableSize")->setPosition(27); // clamps onto the current position
    EXPECT_EQ(control<QLabel>("LSize")->text(), QStringLiteral("untouched"));
}

TEST_F(BootTest, EnterInAnEmptyLineSendsNothing)
{
    QSignalSpy typed(station.get(), &match::Station::chatLine);
    QTest::keyClick(control<QPlainTextEdit>("EditMessage"), Qt::Key_Return);
    control<QPushButton>("BtnSend")->click();
    EXPECT_EQ(typed.count(), 0);
    EXPECT_TRUE(control<QPlainTextEdit>("Chat")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("EditMessage")->toPlainText().isEmpty());
}

TEST_F(BootTest, EnterOrTheButtonSendsTheLineUnderThePlayersName)
{
    QSignalSpy typed(station.get(), &match::Station::chatLine);
    control<QLineEdit>("BoxName")->setText(QStringLiteral("花子"));
    QTest::keyClicks(control<QPlainTextEdit>("EditMessage"), QStringLiteral("hi"));
    QTest::keyClick(control<QPlainTextEdit>("EditMessage"), Qt::Key_Enter); // the keypad's Enter counts too
    QTest::keyClicks(control<QPlainTextEdit>("EditMessage"), QStringLiteral("again"));
    control<QPushButton>("BtnSend")->click();
    ASSERT_EQ(typed.count(), 2);
    EXPECT_EQ(typed.at(0).at(0).toString(), QStringLiteral("花子：hi"));
    EXPECT_EQ(control<QPlainTextEdit>("Chat")->toPlainText(), QStringLiteral("花子：hi\n花子：again"));
    EXPECT_TRUE(control<QPlainTextEdit>("EditMessage")->toPlainText().isEmpty());
}

TEST_F(BootTest, MessageLineTakesTabsAndNeverLineBreaks)
{
    QTest::keyClicks(control<QPlainTextEdit>("EditMessage"), QStringLiteral("a"));
    QTest::keyClick(control<QPlainTextEdit>("EditMessage"), Qt::Key_Tab);
    QTest::keyClick(control<QPlainTextEdit>("EditMessage"), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(control<QPlainTextEdit>("Chat")->toPlainText(), QStringLiteral("YourName：a\t"));

    QGuiApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthree\u2029four"));
    control<QPlainTextEdit>("EditMessage")->paste();
    EXPECT_EQ(control<QPlainTextEdit>("EditMessage")->toPlainText(), QStringLiteral("one two three four"));
}

TEST_F(BootTest, SoundPlaysOnlyWhileTheSwitchIsOn)
{
    auto& player = ui::SoundPlayer::instance();
    const int before = player.startedCount();
    control<QCheckBox>("UseSOund")->setChecked(false);
    lobby->SE_Play(lobby->joinSound);
    EXPECT_EQ(player.startedCount(), before);
    control<QCheckBox>("UseSOund")->setChecked(true);
    lobby->SE_Play(lobby->joinSound);
    if (!player.deviceOpen())
        GTEST_SKIP() << "no audio device, not even the dummy one";
    EXPECT_EQ(player.startedCount(), before + 1);
}

TEST_F(BootTest, ClosingTheLobbySignalsTheEndOfTheProgram)
{
    QSignalSpy closed(lobby.get(), &ui::Tbootform::Closed);
    showLobby();
    EXPECT_TRUE(lobby->close());
    EXPECT_EQ(closed.count(), 1);
}

TEST(RadioGroupTest, SelectionChangesSignalOnceAndBadIndexesAreIgnored)
{
    ui::RadioGroup group(QStringLiteral("スコア"), {QStringLiteral("得点制"), QStringLiteral("個数制")});
    QSignalSpy clicks(&group, &ui::RadioGroup::Click);
    group.setItemIndex(0);
    group.button(0)->click(); // already selected
    EXPECT_EQ(clicks.count(), 1);
    group.button(1)->click();
    group.setItemIndex(2);
    group.setItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
