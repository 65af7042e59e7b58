#include "ui/commandline.h"
#include "ai/analysis.h"
#include "rules/settings.h"
#include <QCoreApplication>
#include <QTextStream>

namespace ui {

CommandLine::CommandLine(const QStringList& arguments)
    : help_({QStringLiteral("h"), QStringLiteral("help")},
            QCoreApplication::translate("CommandLine", "このヘルプを表示して終了します。")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QCoreApplication::translate("CommandLine", "版番号を表示して終了します。")),
      computer_(QStringLiteral("computer"),
                QCoreApplication::translate("CommandLine",
                                            "窓を開かず、コンピューターとして ADDRESS のサーバーに参加します。"),
                QStringLiteral("ADDRESS")),
      port_(QStringLiteral("port"), QCoreApplication::translate("CommandLine", "サーバーのポート番号（既定 18389）。"),
            QStringLiteral("N"), QStringLiteral("18389")),
      name_(QStringLiteral("name"), QCoreApplication::translate("CommandLine", "コンピューターの名前（既定 CPU）。"),
            QStringLiteral("NAME"), QStringLiteral("CPU")),
      level_(QStringLiteral("level"),
             QCoreApplication::translate("CommandLine", "強さ: 1 適当、2 普通、3 強い、4 最強（既定 3）。"),
             QStringLiteral("1|2|3|4"), QStringLiteral("3")),
      record_(QStringLiteral("record"), QCoreApplication::translate("CommandLine", "対戦の記録を DIR に書きます。"),
              QStringLiteral("DIR")),
      replay_(QStringLiteral("replay"), QCoreApplication::translate("CommandLine", "対戦の記録 FILE を再生します。"),
              QStringLiteral("FILE")),
      analyze_(QStringLiteral("analyze"),
               QCoreApplication::translate(
                   "CommandLine", "対戦の記録 FILE を分析し、手ごとの勝つ見込みと悪手を窓を開かずに書き出します。"),
               QStringLiteral("FILE")),
      effort_(QStringLiteral("effort"),
              QCoreApplication::translate(
                  "CommandLine", "分析の手間: 一局面のプレイアウト数（既定 %1、%2 × %2 より大きい盤では少なく）。")
                  .arg(ai::UsualEffort)
                  .arg(ai::usualEffortSize()),
              QStringLiteral("N")),
      alone_(QStringLiteral("alone"),
             QCoreApplication::translate("CommandLine", "コンピューター3人と一人で遊ぶゲームをすぐに始めます。")),
      size_(QStringLiteral("size"),
            QCoreApplication::translate("CommandLine", "一人で遊ぶときの盤のサイズ（%1 から %2）。")
                .arg(rules::MinBoardSize)
                .arg(rules::MaxBoardSize),
            QStringLiteral("N")),
      rule_(QStringLiteral("rule"),
            QCoreApplication::translate("CommandLine", "一人で遊ぶときのスコア: points（得点制）か count（個数制）。"),
            QStringLiteral("points|count")),
      webPort_(QStringLiteral("web-port"),
               QCoreApplication::translate(
                   "CommandLine", "ブラウザー用ページのポート番号（既定はサーバーのポート + 1、0 で出さない）。"),
               QStringLiteral("N"))
{
    parser_.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "対戦ゲム: ローカルネットワークで4人で遊ぶ盤ゲーム"));
    // "-platform" is one of Qt's options, not the letters p, l, a, t, f, o, r and m.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOptions(
        {computer_, port_, name_, level_, record_, replay_, analyze_, effort_, alone_, size_, rule_, webPort_});
    addQtOptions();
    parser_.parse(arguments);
}

// The options that QGuiApplication, QApplication and the X11 platform take for themselves.
void CommandLine::addQtOptions()
{
    const QStringList valued{
        "platform", "platformpluginpath", "platformtheme", "plugin",       "qmljsdebugger", "qwindowgeometry",
        "geometry", "qwindowicon",        "icon",          "qwindowtitle", "title",         "session",
        "style",    "stylesheet",         "display",       "visual",       "ncols"};
    const QStringList flags{"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap", "testability"};
    for (const QString& name : valued) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    for (const QString& name : flags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
}

QString CommandLine::usageError() const
{
    if (!parser_.unknownOptionNames().isEmpty())
        return QCoreApplication::translate("CommandLine", "知らないオプションです: %1")
            .arg(parser_.unknownOptionNames().join(QStringLiteral(", ")));
    if (!parser_.errorText().isEmpty())
        return parser_.errorText();
    if (!parser_.positionalArguments().isEmpty())
        return QCoreApplication::translate("CommandLine", "余分な引数です: %1")
            .arg(parser_.positionalArguments().join(QStringLiteral(" ")));
    if (parser_.isSet(effort_) && !parser_.isSet(analyze_))
        return QCoreApplication::translate("CommandLine", "--effort は --analyze と一緒に使います");
    return aloneError();
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

bool CommandLine::asksForReplay() const
{
    return parser_.isSet(replay_) && usageError().isEmpty();
}

QString CommandLine::replayFile() const
{
    return parser_.value(replay_);
}

bool CommandLine::asksForAnalysis() const
{
    return parser_.isSet(analyze_);
}

QString CommandLine::analysisFile() const
{
    return parser_.value(analyze_);
}

std::optional<int> CommandLine::effort(QString& error) const
{
    if (const QString why = usageError(); !why.isEmpty()) {
        error = why;
        return std::nullopt;
    }
    if (!parser_.isSet(effort_))
        return 0;
    bool ok = false;
    const int playouts = parser_.value(effort_).toInt(&ok);
    if (ok && playouts >= 1 && playouts <= ai::MaxEffort)
        return playouts;
    error = QCoreApplication::translate("CommandLine", "分析の手間は 1 から %1 の整数です: %2")
                .arg(ai::MaxEffort)
                .arg(parser_.value(effort_));
    return std::nullopt;
}

bool CommandLine::asksForComputer() const
{
    return parser_.isSet(computer_) || parser_.isSet(port_) || parser_.isSet(name_) || parser_.isSet(record_) ||
           (parser_.isSet(level_) && !parser_.isSet(alone_));
}

// Without windows there are no options of Qt's to leave alone: anything unknown is a mistake.
std::optional<computer::Options> CommandLine::computerOptions(QString& error) const
{
    const auto fail = [&error](const QString& why) {
        error = why;
        return std::nullopt;
    };
    if (const QString why = usageError(); !why.isEmpty())
        return fail(why);
    computer::Options options;
    options.host = parser_.value(computer_);
    if (options.host.isEmpty())
        return fail(QCoreApplication::translate("CommandLine", "--computer にサーバーのアドレスを指定してください"));
    bool ok = false;
    const uint port = parser_.value(port_).toUInt(&ok);
    if (!ok || port > 65535)
        return fail(QCoreApplication::translate("CommandLine", "ポート番号は 0 から 65535 の整数です: %1")
                        .arg(parser_.value(port_)));
    options.port = quint16(port);
    options.name = parser_.value(name_);
    const auto chosen = level(error);
    if (!chosen)
        return std::nullopt;
    options.level = *chosen;
    options.recordFolder = parser_.value(record_);
    return options;
}

std::optional<ai::Level> CommandLine::level(QString& error) const
{
    bool ok = false;
    const int level = parser_.value(level_).toInt(&ok);
    if (ok && level >= 1 && level <= 4)
        return static_cast<ai::Level>(level);
    error = QCoreApplication::translate("CommandLine", "強さは 1、2、3、4 のどれかです: %1").arg(parser_.value(level_));
    return std::nullopt;
}

int CommandLine::refuse(const QString& why) const
{
    QTextStream(stderr) << why << "\n\n" << helpText();
    return 2;
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

std::optional<quint16> CommandLine::webPort() const
{
    bool ok = false;
    const uint port = parser_.value(webPort_).toUInt(&ok);
    if (!parser_.isSet(webPort_) || !ok || port > 65535)
        return std::nullopt;
    return quint16(port);
}

} // namespace ui
