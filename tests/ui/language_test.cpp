#include "ui/language.h"
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using ui::Language;

struct LanguageCase {
    const char* name;
    QStringList uiLanguages;
    Language expected;
};

class LanguageChoice : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, EnglishOnlyWhenItComesBeforeJapanese)
{
    EXPECT_EQ(ui::chooseLanguage(GetParam().uiLanguages), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(, LanguageChoice,
    testing::Values(LanguageCase{"English", {"en-US", "en-Latn-US", "en"}, Language::English},
                    LanguageCase{"Japanese", {"ja-JP", "ja-Jpan-JP", "ja"}, Language::Japanese},
                    LanguageCase{"EnglishThenJapanese", {"en", "en-US", "ja", "ja-JP"}, Language::English},
                    LanguageCase{"JapaneseThenEnglish", {"ja-JP", "en-US"}, Language::Japanese},
                    LanguageCase{"GermanThenEnglish", {"de-DE", "de", "en-GB", "ja"}, Language::English},
                    LanguageCase{"GermanThenJapanese", {"de-DE", "ja-JP", "en-US"}, Language::Japanese},
                    LanguageCase{"NeitherOfThem", {"fr-FR", "fr"}, Language::Japanese},
                    LanguageCase{"UnderscoreForm", {"en_GB"}, Language::English},
                    LanguageCase{"CLocale", QLocale::c().uiLanguages(), Language::Japanese},
                    LanguageCase{"PosixLocale", {"C"}, Language::Japanese},
                    LanguageCase{"Nothing", {}, Language::Japanese},
                    // "eng" or "english" are not the tag "en".
                    LanguageCase{"LookAlike", {"eng", "english"}, Language::Japanese}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Translator, EnglishIsShippedInsideTheProgramAndJapaneseNeedsNone)
{
    EXPECT_EQ(ui::translatorFor(Language::Japanese), nullptr);
    const auto english = ui::translatorFor(Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_FALSE(english->isEmpty());
}

} // namespace
