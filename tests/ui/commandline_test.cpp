#include "ui/commandline.h"
#include "ai/analysis.h"
#include "tests/support/namedcase.h"
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct ArgumentsCase : NamedCase {
    QStringList arguments;
    bool answersAlone;
};

class CommandLineAnswers : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(CommandLineAnswers, OnlyHelpAndVersionEndTheProgram)
{
    const ArgumentsCase& c = GetParam();
    EXPECT_EQ(ui::CommandLine(QStringList{"taisen"} + c.arguments).answersAlone(), c.answersAlone);
}

INSTANTIATE_TEST_SUITE_P(, CommandLineAnswers,
    testing::Values(ArgumentsCase{{"Nothing"}, {}, false}, ArgumentsCase{{"LongHelp"}, {"--help"}, true},
                    ArgumentsCase{{"ShortHelp"}, {"-h"}, true}, ArgumentsCase{{"LongVersion"}, {"--version"}, true},
                    ArgumentsCase{{"ShortVersion"}, {"-v"}, true},
                    // Qt's own options, whose letters hold an h or a v, are not ours.
                    ArgumentsCase{{"QtPlatformOption"}, {"-platform", "offscreen"}, false},
                    ArgumentsCase{{"QtGeometryOption"}, {"-qwindowgeometry", "100x100"}, false},
                    ArgumentsCase{{"UnknownOptionBeforeHelp"}, {"--bogus", "--help"}, true}),
    byName);

class CommandLineUsage : public testing::TestWithParam<ArgumentsCase> {};

// answersAlone here means: the arguments are a mistake, said before any window opens.
TEST_P(CommandLineUsage, UnknownOptionsAndStrayArgumentsAreMistakes)
{
    const ArgumentsCase& c = GetParam();
    const QString error = ui::CommandLine(QStringList{"taisen"} + c.arguments).usageError();
    EXPECT_EQ(!error.isEmpty(), c.answersAlone) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, CommandLineUsage,
    testing::Values(ArgumentsCase{{"Nothing"}, {}, false},
                    ArgumentsCase{{"QtPlatform"}, {"-platform", "offscreen"}, false},
                    ArgumentsCase{{"QtStyleDoubleDash"}, {"--style", "fusion"}, false},
                    ArgumentsCase{{"QtFlag"}, {"-reverse"}, false},
                    ArgumentsCase{{"Unknown"}, {"--bogus"}, true},
                    ArgumentsCase{{"QtOptionWithoutValue"}, {"-platform"}, true},
                    ArgumentsCase{{"Stray"}, {"game.txt"}, true},
                    ArgumentsCase{{"Alone"}, {"--alone", "--level", "1", "--size", "26", "--rule", "count"}, false},
                    ArgumentsCase{{"SizeWithoutAlone"}, {"--size", "8"}, true},
                    ArgumentsCase{{"AloneSizeTooSmall"}, {"--alone", "--size", "5"}, true},
                    ArgumentsCase{{"AloneUnknownRule"}, {"--alone", "--rule", "most"}, true},
                    ArgumentsCase{{"AloneLevelFive"}, {"--alone", "--level", "5"}, true},
                    ArgumentsCase{{"AloneAndComputer"}, {"--alone", "--computer", "10.0.0.2"}, true}),
    byName);

QString answerTo(const QStringList& arguments)
{
    QString text;
    QTextStream out(&text);
    EXPECT_EQ(ui::CommandLine(QStringList{"taisen"} + arguments).answer(out), 0);
    return text;
}

// --level goes to the three computers of a game alone, not to a computer player of its own.
TEST(CommandLine, AloneTakesLevelSizeAndRule)
{
    const ui::CommandLine line({"taisen", "--alone", "--level", "2", "--size", "12", "--rule", "count"});
    EXPECT_TRUE(line.asksForAlone());
    EXPECT_FALSE(line.asksForComputer());
    const ui::AloneOptions options = line.aloneOptions();
    EXPECT_EQ(options.level, ai::Level::Greedy);
    EXPECT_EQ(options.boardSize, 12);
    EXPECT_EQ(options.scoring, rules::Scoring::Count);
    EXPECT_FALSE(ui::CommandLine({"taisen", "--alone"}).aloneOptions().boardSize) << "the lobby's size";
}

TEST(CommandLine, VersionIsOneLineWithTheProgramAndItsNumber)
{
    EXPECT_TRUE(QRegularExpression("^taisen \\d+\\.\\d+\\.\\d+\\n$").match(answerTo({"--version"})).hasMatch());
}

TEST(CommandLine, HelpNamesBothOptions)
{
    const QString help = answerTo({"--help"});
    EXPECT_TRUE(help.contains("--help")) << help.toStdString();
    EXPECT_TRUE(help.contains("--version")) << help.toStdString();
    EXPECT_FALSE(help.contains("taisen 1")) << "help, not the version";
}

} // namespace

namespace {

struct ComputerCase : NamedCase {
    QStringList arguments;
    bool usable;
};

class ComputerArguments : public testing::TestWithParam<ComputerCase> {};

TEST_P(ComputerArguments, AreUsableOnlyWhenComplete)
{
    const ui::CommandLine line(QStringList{"taisen"} + GetParam().arguments);
    EXPECT_TRUE(line.asksForComputer());
    QString error;
    EXPECT_EQ(line.computerOptions(error).has_value(), GetParam().usable);
    EXPECT_EQ(error.isEmpty(), GetParam().usable) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, ComputerArguments, testing::Values(
    ComputerCase{{"AddressAlone"}, {"--computer", "10.0.0.2"}, true},
    ComputerCase{{"Everything"}, {"--computer", "host", "--port", "0", "--name", "x", "--level", "1"}, true},
    ComputerCase{{"NoAddress"}, {"--computer"}, false},
    ComputerCase{{"PortWithoutComputer"}, {"--port", "5"}, false},
    ComputerCase{{"PortNotANumber"}, {"--computer", "h", "--port", "x"}, false},
    ComputerCase{{"PortTooLarge"}, {"--computer", "h", "--port", "65536"}, false},
    ComputerCase{{"LevelZero"}, {"--computer", "h", "--level", "0"}, false},
    ComputerCase{{"LevelFour"}, {"--computer", "h", "--level", "4"}, true},
    ComputerCase{{"LevelFive"}, {"--computer", "h", "--level", "5"}, false},
    ComputerCase{{"UnknownOption"}, {"--computer", "h", "--bogus"}, false}),
    byName);

TEST(ComputerOptions, DefaultsArePortNameAndLevelThree)
{
    QString error;
    const auto options = ui::CommandLine({"taisen", "--computer", "h"}).computerOptions(error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->port, 18389);
    EXPECT_EQ(options->name, "CPU");
    EXPECT_EQ(options->level, ai::Level::Strong);
}

} // namespace

namespace {

struct EffortCase : NamedCase {
    QStringList arguments;
    std::optional<int> effort;
};

class AnalysisArguments : public testing::TestWithParam<EffortCase> {};

TEST_P(AnalysisArguments, TakeAnEffortFromOneToTheMost)
{
    const ui::CommandLine line(QStringList{"taisen", "--analyze", "game.txt"} + GetParam().arguments);
    EXPECT_TRUE(line.asksForAnalysis());
    EXPECT_EQ(line.analysisFile(), "game.txt");
    QString error;
    EXPECT_EQ(line.effort(error), GetParam().effort);
    EXPECT_EQ(error.isEmpty(), GetParam().effort.has_value()) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, AnalysisArguments, testing::Values(
    EffortCase{{"UsualForTheBoard"}, {}, 0},
    EffortCase{{"One"}, {"--effort", "1"}, 1},
    EffortCase{{"Most"}, {"--effort", QString::number(ai::MaxEffort)}, ai::MaxEffort},
    EffortCase{{"Zero"}, {"--effort", "0"}, std::nullopt},
    EffortCase{{"TooMany"}, {"--effort", QString::number(ai::MaxEffort + 1)}, std::nullopt},
    EffortCase{{"NotANumber"}, {"--effort", "much"}, std::nullopt},
    EffortCase{{"Stray"}, {"other.txt"}, std::nullopt}),
    byName);

TEST(AnalysisOptions, AnEffortWithoutAnAnalysisIsAMistake)
{
    EXPECT_FALSE(ui::CommandLine({"taisen", "--effort", "5"}).usageError().isEmpty());
}

} // namespace
