#include "main_fixture.h"
#include "tests/support/controls.h"
#include "tests/support/namedcase.h"
#include "ui/language.h"
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using ui::Language;

struct LanguageCase : NamedCase {
    QStringList uiLanguages;
    Language expected;
};

class LanguageChoice : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, JapaneseForJapaneseAndThePlainLocaleEnglishForEveryOther)
{
    EXPECT_EQ(ui::chooseLanguage(GetParam().uiLanguages), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(, LanguageChoice,
    testing::Values(LanguageCase{{"English"}, {"en-US", "en-Latn-US", "en"}, Language::English},
                    LanguageCase{{"Japanese"}, {"ja-JP", "ja-Jpan-JP", "ja"}, Language::Japanese},
                    LanguageCase{{"EnglishThenJapanese"}, {"en", "en-US", "ja", "ja-JP"}, Language::English},
                    LanguageCase{{"JapaneseThenEnglish"}, {"ja-JP", "en-US"}, Language::Japanese},
                    LanguageCase{{"GermanThenEnglish"}, {"de-DE", "de", "en-GB", "ja"}, Language::English},
                    LanguageCase{{"GermanThenJapanese"}, {"de-DE", "ja-JP", "en-US"}, Language::Japanese},
                    LanguageCase{{"French"}, {"fr-FR", "fr"}, Language::English},
                    LanguageCase{{"Chinese"}, {"zh-CN", "zh-Hans-CN", "zh"}, Language::English},
                    LanguageCase{{"FrenchThenJapanese"}, {"fr", "ja", "ja-JP"}, Language::Japanese},
                    LanguageCase{{"UnderscoreForm"}, {"en_GB"}, Language::English},
                    LanguageCase{{"CLocale"}, QLocale::c().uiLanguages(), Language::Japanese},
                    LanguageCase{{"PosixLocale"}, {"C"}, Language::Japanese},
                    LanguageCase{{"Nothing"}, {}, Language::Japanese},
                    // "eng" or "english" are not the tag "en".
                    LanguageCase{{"LookAlike"}, {"eng", "english"}, Language::English}),
    byName);

TEST(Translator, EnglishIsShippedInsideTheProgramAndJapaneseNeedsNone)
{
    EXPECT_EQ(ui::translatorFor(Language::Japanese), nullptr);
    const auto english = ui::translatorFor(Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_FALSE(english->isEmpty());
}

// Qt's own buttons read Japanese in the Japanese interface.
TEST(Translator, QtsOwnTextsComeFromTheSystemInJapaneseOnly)
{
    EXPECT_EQ(ui::qtTranslatorFor(Language::English), nullptr);
    const auto japanese = ui::qtTranslatorFor(Language::Japanese);
    ASSERT_NE(japanese, nullptr) << "qt6-translations-l10n is not installed";
    QCoreApplication::installTranslator(japanese.get());
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QCoreApplication::removeTranslator(japanese.get());
}

} // namespace

namespace {

bool hasJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// Every caption of a window: its title, labels, buttons, group titles and status texts.
QStringList captions(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const auto* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const auto* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const auto* group : window.findChildren<QGroupBox*>())
        texts << group->title();
    for (const auto* bar : window.findChildren<QStatusBar*>())
        texts << bar->currentMessage();
    // A symbol such as the "+" of the computer players' button belongs to no language.
    texts.removeIf([](const QString& t) { return std::none_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); }); });
    return texts;
}

// Both windows made under the translation that the given interface languages choose.
class WindowsInLanguage : public MainFormTest {
protected:
    void createIn(const QStringList& uiLanguages)
    {
        translator = ui::translatorFor(ui::chooseLanguage(uiLanguages));
        if (translator)
            QCoreApplication::installTranslator(translator.get());
        create();
    }
    void TearDown() override
    {
        MainFormTest::TearDown();
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
    }
    std::unique_ptr<QTranslator> translator;
};

TEST_F(WindowsInLanguage, EnglishLocaleShowsEveryCaptionInEnglish)
{
    createIn({"en-US", "en"});
    EXPECT_EQ(boot->windowTitle(), "Taisen Lobby (for Kuralo ver1.7)");
    EXPECT_EQ(control<QPushButton>(*boot, "BtnStart")->text(), "Host");
    EXPECT_EQ(control<QPushButton>(*boot, "BtnGame")->text(), "Start game");
    EXPECT_EQ(control<QLabel>(*boot, "LTime")->text(), "Time per move: none");
    EXPECT_EQ(control<QPushButton>(*form, "BtnPass")->text(), "Pass");
    for (const QWidget* window : {static_cast<QWidget*>(boot.get()), static_cast<QWidget*>(form.get())})
        for (const QString& caption : captions(*window))
            EXPECT_FALSE(hasJapanese(caption)) << caption.toStdString();
}

TEST_F(WindowsInLanguage, EnglishLeavesWhatTravelsAndWhatIsSavedAsItIs)
{
    createIn({"en-US"});
    EXPECT_EQ(control<QLineEdit>(*boot, "BoxName")->text(), "YourName");
    control<QPlainTextEdit>(*boot, "EditMessage")->setPlainText("hi");
    boot->BtnSendClick();
    EXPECT_EQ(control<QPlainTextEdit>(*boot, "Chat")->toPlainText(), QStringLiteral("YourName：hi"));
}

TEST_F(WindowsInLanguage, CLocaleShowsEveryCaptionInJapanese)
{
    createIn(QLocale::c().uiLanguages());
    EXPECT_EQ(control<QPushButton>(*boot, "BtnStart")->text(), QStringLiteral("待機開始"));
    EXPECT_EQ(control<QPushButton>(*form, "BtnPass")->text(), QStringLiteral("パス"));
    // The game window's title and seat names are not Japanese until a game starts.
    for (const QString& caption : captions(*boot))
        EXPECT_TRUE(hasJapanese(caption)) << caption.toStdString();
}

} // namespace
