#include "tests/support/programfolder.h"
#include "ui/commandline.h"
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The manual page says what --help and --version say.

namespace {

QStringList pageLines()
{
    QFile file(ProgramFolder::shipped(QStringLiteral("man/taisen.6")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
}

// The lines of a section, after its heading and before the next, with \- read as -.
QStringList section(const QString& name)
{
    const QStringList lines = pageLines();
    QStringList part;
    for (qsizetype i = lines.indexOf(QStringLiteral(".SH ") + name) + 1; i > 0 && i < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral(".SH ")))
            break;
        part << QString(lines[i]).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    }
    return part;
}

// Each option as "-h --help" or "--level 1|2|3|4", its value in lower case, in sorted order.
QStringList helpOptions()
{
    static const QRegularExpression option(QStringLiteral(R"(^  (?:(-\w), )?(--[\w-]+)(?: <([^>]+)>)?)"),
                                           QRegularExpression::MultilineOption);
    QStringList options;
    for (auto it = option.globalMatch(ui::CommandLine({QStringLiteral("taisen")}).helpText()); it.hasNext();) {
        const auto m = it.next();
        options << QStringList{m.captured(1), m.captured(2), m.captured(3).toLower()}.join(' ').simplified();
    }
    options.sort();
    return options;
}

// The same from the tags of the page's options, such as .BI --level " 1|2|3|4".
QStringList manualOptions()
{
    const QStringList lines = section(QStringLiteral("OPTIONS"));
    QStringList options;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (lines[i - 1] == QStringLiteral(".TP"))
            options << lines[i].section(' ', 1).remove('"').remove(',').simplified(); // after the font macro
    options.sort();
    return options;
}

} // namespace

TEST(Manual, ListsTheOptionsAndVersionThatTheProgramGives)
{
    const QStringList options = helpOptions();
    ASSERT_GE(options.size(), 8);
    EXPECT_EQ(manualOptions().join(" / ").toStdString(), options.join(" / ").toStdString());
    const QString synopsis = section(QStringLiteral("SYNOPSIS")).join(' ');
    static const QRegularExpression longName(QStringLiteral(R"(--[\w-]+)"));
    for (const QString& option : options)
        EXPECT_TRUE(synopsis.contains(longName.match(option).captured())) << option.toStdString();
    static const QRegularExpression header(QStringLiteral(R"re(^\.TH TAISEN 6 "[^"]*" "([^"]*)")re"));
    EXPECT_EQ(header.match(pageLines().value(1)).captured(1).toStdString(), ui::versionText().toStdString());
}
