#include "rules/settings.h"
#include "ui/commandline.h"
#include <QCoreApplication>

// --alone and the options that only a game alone takes.
namespace ui {

bool CommandLine::asksForAlone() const
{
    return parser_.isSet(alone_);
}

QString CommandLine::aloneError() const
{
    if (!asksForAlone()) {
        for (const QCommandLineOption* option : {&size_, &rule_})
            if (parser_.isSet(*option))
                return QCoreApplication::translate("CommandLine", "--%1 は --alone と一緒に使います")
                    .arg(option->names().front());
        return {};
    }
    for (const QCommandLineOption* option : {&computer_, &replay_, &analyze_})
        if (parser_.isSet(*option))
            return QCoreApplication::translate("CommandLine", "--alone と --%1 は一緒に使えません")
                .arg(option->names().front());
    QString error;
    if (parser_.isSet(level_) && !level(error))
        return error;
    bool ok = true;
    const int size = parser_.isSet(size_) ? parser_.value(size_).toInt(&ok) : rules::DefaultBoardSize;
    if (!ok || size < rules::MinBoardSize || size > rules::MaxBoardSize)
        return QCoreApplication::translate("CommandLine", "盤のサイズは %1 から %2 の整数です: %3")
            .arg(rules::MinBoardSize)
            .arg(rules::MaxBoardSize)
            .arg(parser_.value(size_));
    const QString rule = parser_.value(rule_);
    if (parser_.isSet(rule_) && rule != QStringLiteral("points") && rule != QStringLiteral("count"))
        return QCoreApplication::translate("CommandLine", "スコアは points か count です: %1").arg(rule);
    return {};
}

AloneOptions CommandLine::aloneOptions() const
{
    AloneOptions options;
    QString error;
    if (parser_.isSet(level_))
        options.level = level(error);
    if (parser_.isSet(size_))
        options.boardSize = parser_.value(size_).toInt();
    if (parser_.isSet(rule_))
        options.scoring =
            parser_.value(rule_) == QStringLiteral("count") ? rules::Scoring::Count : rules::Scoring::Points;
    return options;
}

} // namespace ui
