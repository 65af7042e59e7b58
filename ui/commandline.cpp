#include "ui/commandline.h"
#include <QCoreApplication>
#include <QTextStream>

namespace ui {

CommandLine::CommandLine(const QStringList& arguments)
    : help_({QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "このヘルプを表示して終了します。")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QCoreApplication::translate("CommandLine", "版番号を表示して終了します。"))
{
    parser_.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "対戦ゲム: ローカルネットワークで4人で遊ぶ盤ゲーム"));
    // "-platform" is one of Qt's options, not the letters p, l, a, t, f, o, r and m.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
    // An unknown option is not an error here: see the class comment.
    parser_.parse(arguments);
}

bool CommandLine::answersAlone() const
{
    return parser_.isSet(help_) || parser_.isSet(version_);
}

int CommandLine::answer(QTextStream& out) const
{
    if (parser_.isSet(help_))
        out << parser_.helpText();
    else
        out << versionText() << '\n';
    out.flush();
    return 0;
}

QStringList argumentList(int argc, const char* const* argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

QString versionText()
{
    return QStringLiteral("taisen " TAISEN_VERSION);
}

} // namespace ui
