#include "net/pageprotocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace net {

namespace {

QByteArray frame(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A whole number within the board's reach (a pass's -1 included); anything else is junk.
std::optional<int> whole(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != std::floor(d) || d < -1 || d > rules::MaxBoardSize)
        return std::nullopt;
    return int(d);
}

QJsonArray cellArray(rules::Cell cell)
{
    return {cell.col, cell.row};
}

QJsonArray cellsArray(const std::vector<rules::Cell>& cells)
{
    QJsonArray array;
    for (const rules::Cell& c : cells)
        array.append(cellArray(c));
    return array;
}

template <typename T>
QJsonArray plainArray(const T& values)
{
    QJsonArray array;
    for (const auto& v : values)
        array.append(v);
    return array;
}

std::optional<PageRequest> parseObject(const QJsonObject& o)
{
    const QString kind = o.value(QLatin1String("t")).toString();
    PageRequest r;
    if (kind == QLatin1String("join") && o.value(QLatin1String("name")).isString()) {
        r.text = o.value(QLatin1String("name")).toString();
        const QJsonValue secret = o.value(QLatin1String("secret"));
        if (!secret.isUndefined() && !secret.isString())
            return std::nullopt;
        r.secret = secret.toString();
        return r;
    }
    if (kind == QLatin1String("chat") && o.value(QLatin1String("text")).isString()) {
        r.kind = PageRequest::Kind::Chat;
        r.text = o.value(QLatin1String("text")).toString();
        return r;
    }
    if (kind == QLatin1String("pass")) {
        r.kind = PageRequest::Kind::Pass;
        return r;
    }
    const auto col = whole(o.value(QLatin1String("col")));
    const auto row = whole(o.value(QLatin1String("row")));
    if (kind != QLatin1String("move") || !col || !row || *col < 0 || *row < 0)
        return std::nullopt;
    r.kind = PageRequest::Kind::Move;
    r.cell = {*col, *row};
    return r;
}

} // namespace

std::optional<PageRequest> parsePageRequest(const QByteArray& frame)
{
    if (frame.size() > MaxPageFrameBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(frame, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return parseObject(document.object());
}

QByteArray joinedFrame(const QString& name, const QString& secret, const QStringList& members)
{
    return frame(
        {{"t", "joined"}, {"name", name}, {"secret", secret}, {"members", QJsonArray::fromStringList(members)}});
}

QByteArray membersFrame(const QStringList& members, const QString& notice)
{
    return frame({{"t", "members"}, {"members", QJsonArray::fromStringList(members)}, {"notice", notice}});
}

QByteArray chatFrame(const QString& line)
{
    return frame({{"t", "chat"}, {"line", line}});
}

QByteArray stateFrame(const PageState& s)
{
    return frame({{"t", "state"},
                  {"size", s.size},
                  {"cells", plainArray(s.cells)},
                  {"seat", s.seat},
                  {"turn", s.turn},
                  {"names", plainArray(s.names)},
                  {"scores", plainArray(s.scores)},
                  {"moves", s.moves},
                  {"last", s.last ? QJsonValue(cellArray(*s.last)) : QJsonValue()},
                  {"mover", s.mover},
                  {"taken", cellsArray(s.taken)},
                  {"jewelsTurned", s.jewelsTurned},
                  {"over", s.over},
                  {"places", s.over ? QJsonValue(plainArray(s.places)) : QJsonValue()},
                  {"yourTurn", s.yourTurn},
                  {"legal", cellsArray(s.legal)},
                  {"countMode", s.countMode},
                  {"timeLimit", s.timeLimit}});
}

QByteArray refusedFrame()
{
    return frame({{"t", "refused"}});
}

QByteArray byeFrame(const QString& reason)
{
    return frame({{"t", "bye"}, {"reason", reason}});
}

} // namespace net
