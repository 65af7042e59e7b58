#include "net/plainmessage.h"

#include "net/message.h"
#include "rules/cell.h"

#include <climits>

namespace net {

namespace {

const QString Marker = QStringLiteral("◆");
const QString Came = QStringLiteral("氏の来訪");
const QString Went = QStringLiteral("氏の退室");

bool inRange(const QStringList& lines, int i, int low, int high)
{
    const auto n = lineNumber(lines, i);
    return n && *n >= low && *n <= high;
}

bool plainMove(const QStringList& m)
{
    constexpr int LastCell = rules::MaxBoardSize - 1;
    return inRange(m, 1, 1, rules::Seats) && inRange(m, 2, -1, LastCell) && inRange(m, 3, -1, LastCell);
}

// Seats beyond the fourth watch the game; a rotation line other than "1" means none.
bool plainStart(const QStringList& m)
{
    return inRange(m, 1, rules::MinBoardSize, rules::MaxBoardSize) && inRange(m, 2, 2, INT_MAX) &&
           inRange(m, 3, 0, 1) && inRange(m, 4, rules::MinTimeLimit, rules::NoLimit);
}

QString noticeName(const QString& notice, const QString& ending)
{
    return notice.sliced(Marker.size(), notice.size() - Marker.size() - ending.size());
}

} // namespace

int plainLineCount(int kind)
{
    switch (kind) {
    case MsgJoin:
    case MsgLeave:
    case MsgChat: return 2;
    case MsgStart: return 6;
    case MsgMove: return 4;
    case MsgCatchUp: return 2;
    default: return 0;
    }
}

bool plainlyFromGuest(const QStringList& lines)
{
    const auto kind = lineNumber(lines, 0);
    if (!kind)
        return false;
    switch (*kind) {
    case MsgJoin:
    case MsgLeave: return lines.size() >= 2;
    case MsgChat: return lines.size() >= 2 && isChatLine(lines[1]);
    case MsgMove: return lines.size() >= 4 && plainMove(lines);
    default: return false;
    }
}

bool plainlyFromHost(const QStringList& lines)
{
    const auto kind = lineNumber(lines, 0);
    if (!kind)
        return false;
    switch (*kind) {
    case MsgChat: return lines.size() >= 2 && isChatLine(lines[1]);
    case MsgStart: return lines.size() >= 6 && plainStart(lines);
    case MsgMove: return lines.size() >= 4 && plainMove(lines);
    case MsgCatchUp: return lines.size() >= 2 && (lines[1] == u"0" || lines[1] == u"1");
    default: return false;
    }
}

bool isNotice(const QString& line)
{
    return line.size() >= Marker.size() + Came.size() && line.startsWith(Marker) &&
           (line.endsWith(Came) || line.endsWith(Went));
}

bool isChatLine(const QString& line)
{
    return line.contains(QStringLiteral("："));
}

QList<QStringList> listsAfterNotice(const QStringList& members, const QString& notice)
{
    if (!isNotice(notice))
        return {};
    if (notice.endsWith(Came)) {
        // A newcomer comes last; a player who returns to its seat takes its place back.
        const QString name = noticeName(notice, Came);
        QList<QStringList> lists{members + QStringList{name}};
        for (qsizetype i = members.size() - 1; i > 0; --i) {
            QStringList returned = members;
            returned.insert(i, name);
            lists << returned;
        }
        return lists;
    }
    const QString name = noticeName(notice, Went);
    QList<QStringList> lists;
    for (qsizetype i = 0; i < members.size(); ++i)
        if (members[i].compare(name, Qt::CaseInsensitive) == 0) {
            QStringList after = members;
            after.removeAt(i);
            lists << after;
        }
    return lists.isEmpty() ? QList<QStringList>{members} : lists;
}

} // namespace net
