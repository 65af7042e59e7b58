#include "net/lobbymessages.h"

#include "net/message.h"

namespace net {

namespace {

QStringList withKind(int kind, const QStringList& lines)
{
    return QStringList{QString::number(kind)} + lines;
}

} // namespace

QString joinNotice(const QString& name)
{
    return QStringLiteral("◆") + name + QStringLiteral("氏の来訪");
}
QString leaveNotice(const QString& name)
{
    return QStringLiteral("◆") + name + QStringLiteral("氏の退室");
}
QStringList replyMessage(const QStringList& members)
{
    return withKind(MsgJoin, members);
}
QStringList noticeMessage(const QString& notice, const QStringList& members)
{
    return withKind(MsgLeave, QStringList{notice} + members);
}

QStringList joinMessage(const QString& name)
{
    return withKind(MsgJoin, {name});
}
QStringList leaveMessage(const QString& name)
{
    return withKind(MsgLeave, {name});
}
QStringList chatMessage(const QString& line)
{
    return withKind(MsgChat, {line});
}

StartSettings startSettings(const rules::Settings& settings, int seat)
{
    return {settings.boardSize, seat, settings.scoring, settings.timeLimit, settings.rotation};
}

QStringList startMessage(const StartSettings& s)
{
    return withKind(MsgStart, {QString::number(s.boardSize), QString::number(s.seat), QString::number(int(s.scoring)),
                               QString::number(s.timeLimit), s.rotation ? QStringLiteral("1") : QStringLiteral("0")});
}

std::optional<StartSettings> parseStart(const QStringList& m)
{
    const auto size = lineNumber(m, 1);
    const auto seat = lineNumber(m, 2);
    const auto method = lineNumber(m, 3);
    const auto limit = lineNumber(m, 4);
    if (!size || !seat || !method || !limit || m.size() < 6 || (*method != 0 && *method != 1))
        return std::nullopt;
    return StartSettings{*size, *seat, rules::Scoring(*method), *limit, m[5] == u"1"};
}

QStringList moveMessage(int turnSeat, int col, int row)
{
    return withKind(MsgMove, {QString::number(turnSeat), QString::number(col), QString::number(row)});
}

QStringList catchUpMessage(bool begins)
{
    return withKind(MsgCatchUp, {QString::number(int(begins))});
}

std::optional<Move> parseMove(const QStringList& m)
{
    const auto seat = lineNumber(m, 1);
    const auto col = lineNumber(m, 2);
    if (!seat || !col)
        return std::nullopt;
    if (*col == -1)
        return Move{*seat, -1, -1};
    const auto row = lineNumber(m, 3);
    if (!row)
        return std::nullopt;
    return Move{*seat, *col, *row};
}

} // namespace net
