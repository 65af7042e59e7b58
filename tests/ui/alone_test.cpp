#include "match/computerseat.h"
#include "tests/support/controls.h"
#include "record/recordstore.h"
#include "tests/ui/main_fixture.h"
#include "ui/alonedialog.h"
#include "ui/alonesetup.h"
#include "ui/inifile.h"
#include "ui/language.h"
#include "ui/lobbysettings.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

// A game alone from the lobby: one click, no socket, and a game window that takes moves back.

namespace {

class AloneTest : public QuickMainFormTest {
protected:
    void SetUp() override
    {
        QuickMainFormTest::SetUp();
        match::ComputerSeat::movePauseMs = 0;
        create(8);
        // Quick computers, as a test needs them.
        ui::writeAloneSetup(boot->settingsPath(), {1, {ai::Level::Random, ai::Level::Greedy, ai::Level::Random}});
    }
    void TearDown() override
    {
        match::ComputerSeat::movePauseMs = 300;
        QuickMainFormTest::TearDown();
    }

    QToolButton* aloneButton() const
    {
        for (QToolButton* button : boot->findChildren<QToolButton*>())
            if (button->accessibleName() == QStringLiteral("一人で遊ぶ"))
                return button;
        return nullptr;
    }

    // Back at the person's turn with every move shown.
    bool settled()
    {
        return QTest::qWaitFor([&] { return form->match().myTurn() && form->animator().idle(); }, 5000);
    }

    QImage shownBoard()
    {
        QApplication::processEvents();
        return grabOnScreen(*boardGrid());
    }

    void press(QKeyCombination keys) { QTest::keyClick(form.get(), keys.key(), keys.keyboardModifiers()); }
};

TEST_F(AloneTest, OneClickOpensTheTurnWithNothingListening)
{
    QToolButton* button = aloneButton();
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(settled());
    EXPECT_FALSE((boot->station().state() == match::Station::State::Hosting));
    EXPECT_FALSE((boot->station().state() == match::Station::State::Joined));
    EXPECT_EQ(form->game().names(), (std::vector<QString>{"YourName", "CPU1(適当)", "CPU2(普通)", "CPU3(適当)"}));
    EXPECT_FALSE(button->isEnabled() && boot->station().inSession());
}

TEST_F(AloneTest, UndoRedoAndNewGameShowTheBoardPixelForPixel)
{
    boot->playAlone();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(settled());
    const QImage start = shownBoard();
    const auto [col, row] = form->game().legalCells().front();
    ASSERT_TRUE(form->match().TableSelectCell(col, row));
    ASSERT_TRUE(settled());
    ASSERT_EQ(form->game().moves().size(), 4u) << "the computers' three replies";
    const QImage replied = shownBoard();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(form->game().moves().empty());
    ASSERT_TRUE(settled());
    EXPECT_EQ(shownBoard(), start);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    ASSERT_TRUE(settled());
    EXPECT_EQ(form->game().moves().size(), 4u);
    EXPECT_EQ(shownBoard(), replied);
    press(Qt::CTRL | Qt::Key_N);
    ASSERT_TRUE(settled());
    EXPECT_TRUE(form->game().moves().empty());
    EXPECT_EQ(shownBoard(), start);
}

// Moves taken back leave the record: it holds the game as finally played, this station's seat 1.
TEST_F(AloneTest, RecordHoldsTheMovesAsFinallyPlayed)
{
    boot->playAlone({std::nullopt, 6, rules::Scoring::Count});
    ASSERT_TRUE(settled());
    for (int turn = 0; turn < 2; ++turn) {
        const auto [col, row] = form->game().legalCells().back();
        ASSERT_TRUE(form->match().TableSelectCell(col, row));
        ASSERT_TRUE(settled());
    }
    press(Qt::CTRL | Qt::Key_Z);
    control<QCheckBox>(*form, "AutoPass")->setChecked(true);
    form->match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->game().gameOver(); }, 20000));
    const record::Reading reading = record::openRecord(station->recorder()->lastWritten());
    ASSERT_TRUE(reading.game) << reading.problem.toStdString();
    EXPECT_EQ(reading.game->ownSeat, 1);
    EXPECT_EQ(reading.game->boardSize, 6);
    ASSERT_EQ(reading.game->moves.size(), form->game().moves().size());
    for (std::size_t i = 0; i < reading.game->moves.size(); ++i)
        ASSERT_EQ(reading.game->moves[i].cell(), form->game().moves()[i]) << "move " << i;
}

// Each level's row names the seat its computer plays, which moves with the person's seat.
TEST(AloneDialog, RowsFollowThePersonsSeatAndGiveTheChoiceBack)
{
    ui::AloneDialog dialog(ui::AloneSetup{});
    auto* seat = dialog.findChild<QComboBox*>(QStringLiteral("AloneSeat"));
    auto* third = dialog.findChild<QComboBox*>(QStringLiteral("AloneLevel3"));
    ASSERT_TRUE(seat && third);
    EXPECT_EQ(third->accessibleName(), QStringLiteral("CPU3：4番席（黒）"));
    seat->setCurrentIndex(3);
    third->setCurrentIndex(third->findData(int(ai::Level::Strongest)));
    EXPECT_EQ(third->accessibleName(), QStringLiteral("CPU3：3番席（緑）"));
    // Each row shows its seat beside its box, not only to a screen reader.
    auto* form = static_cast<QFormLayout*>(dialog.layout());
    auto* label = qobject_cast<QLabel*>(form->labelForField(third));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("CPU3：3番席（緑）"));
    const ui::AloneSetup chosen = dialog.setup();
    EXPECT_EQ(chosen.seat, 4);
    EXPECT_EQ(chosen.levels[2], ai::Level::Strongest);
    EXPECT_EQ(chosen.levels[0], ui::AloneSetup{}.levels[0]);
}

TEST(AloneSetup, KeptInSettingsWithBadValuesAtTheirDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("setting.ini"));
    EXPECT_EQ(ui::readAloneSetup(path), ui::AloneSetup{}) << "strong, normal and random for seat 1";
    const ui::AloneSetup chosen{3, {ai::Level::Strongest, ai::Level::Random, ai::Level::Greedy}};
    ui::writeAloneSetup(path, chosen);
    EXPECT_EQ(ui::readAloneSetup(path), chosen);
    ui::IniFile(path).writeString(QStringLiteral("PlayAlone"), QStringLiteral("Seat"), QStringLiteral("9"));
    ui::IniFile(path).writeString(QStringLiteral("PlayAlone"), QStringLiteral("Level2"), QStringLiteral("x"));
    const ui::AloneSetup read = ui::readAloneSetup(path);
    EXPECT_EQ(read.seat, 1);
    EXPECT_EQ(read.levels[1], ui::AloneSetup{}.levels[1]);
    EXPECT_EQ(ui::aloneMembers(QStringLiteral("me"), chosen),
              (QStringList{"CPU1(最強)", "CPU2(適当)", "me", "CPU3(普通)"}));
    // The standings count a computer as one whatever language its games were played in.
    const auto english = ui::translatorFor(ui::Language::English);
    QCoreApplication::installTranslator(english.get());
    EXPECT_EQ(ui::aloneMembers(QStringLiteral("me"), chosen),
              (QStringList{"CPU1(最強)", "CPU2(適当)", "me", "CPU3(普通)"}));
    QCoreApplication::removeTranslator(english.get());
}

} // namespace
