#include "tests/support/programfolder.h"
#include "ui/commandline.h"
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The manual page says what --help says: the same options with the same values, and the
// same version.

namespace {

QString manualPage()
{
    QFile file(ProgramFolder::shipped(QStringLiteral("man/taisen.6")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The lines of a section, from its heading to the next.
QStringList section(const QString& page, const QString& name)
{
    const QStringList lines = page.split(QLatin1Char('\n'));
    const auto start = lines.indexOf(QStringLiteral(".SH ") + name);
    if (start < 0)
        return {};
    QStringList part;
    for (qsizetype i = start + 1; i < lines.size() && !lines[i].startsWith(QStringLiteral(".SH ")); ++i)
        part << lines[i];
    return part;
}

// "-h --help", "--level 1|2|3|4": each option as --help lists it, its value in lower case.
QStringList helpOptions()
{
    static const QRegularExpression option(QStringLiteral(R"(^  (?:(-\w), )?(--[\w-]+)(?: <([^>]+)>)?)"),
                                           QRegularExpression::MultilineOption);
    QStringList options;
    for (auto it = option.globalMatch(ui::CommandLine({QStringLiteral("taisen")}).helpText()); it.hasNext();) {
        const auto m = it.next();
        options << QStringList{m.captured(1), m.captured(2), m.captured(3).toLower()}.join(QLatin1Char(' ')).simplified();
    }
    options.sort();
    return options;
}

// The same from the tags of the page's OPTIONS, such as .BI \-\-level " 1|2|3|4".
QStringList manualOptions(const QString& page)
{
    const QStringList lines = section(page, QStringLiteral("OPTIONS"));
    QStringList options;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != QStringLiteral(".TP"))
            continue;
        QString tag = lines[i + 1].section(QLatin1Char(' '), 1); // after the font macro
        tag.replace(QStringLiteral("\\-"), QStringLiteral("-")).remove(QLatin1Char('"')).remove(QLatin1Char(','));
        options << tag.simplified();
    }
    options.sort();
    return options;
}

} // namespace

TEST(Manual, ListsTheOptionsOfHelpWithTheirValues)
{
    const QString page = manualPage();
    ASSERT_FALSE(page.isEmpty());
    const QStringList options = helpOptions();
    ASSERT_GE(options.size(), 8);
    EXPECT_EQ(manualOptions(page).join(QStringLiteral(" / ")).toStdString(),
              options.join(QStringLiteral(" / ")).toStdString());
}

TEST(Manual, SynopsisNamesEveryLongOptionAndTheHeaderTheVersion)
{
    const QString page = manualPage();
    const QString synopsis = section(page, QStringLiteral("SYNOPSIS")).join(QLatin1Char(' '));
    for (const QString& option : helpOptions()) {
        const QString name = option.split(QLatin1Char(' ')).filter(QStringLiteral("--")).value(0);
        EXPECT_TRUE(synopsis.contains(QString(name).replace(QStringLiteral("-"), QStringLiteral("\\-"))))
            << name.toStdString();
    }
    const QRegularExpression header(QStringLiteral(R"re(^\.TH TAISEN 6 "[^"]*" "([^"]*)")re"),
                                    QRegularExpression::MultilineOption);
    EXPECT_EQ(header.match(page).captured(1), ui::versionText());
}
