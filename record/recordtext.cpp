#include "record/recordtext.h"
#include "record/texts.h"
#include "rules/notation.h"
#include <QPoint>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

namespace record {

namespace {

constexpr char Magic[] = "taisen record 1";

QString ruleWord(rules::Scoring scoring)
{
    return scoring == rules::Scoring::Count ? QStringLiteral("count") : QStringLiteral("points");
}

QString moveText(const Move& move)
{
    return QStringLiteral("move %1 %2")
        .arg(move.seat)
        .arg(move.isPass() ? QStringLiteral("pass") : rules::cellName(move.col, move.row));
}

// Reads a record's lines in order; each reader returns false with its problem set.
class LineReader {
public:
    explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    // The line last looked at, counted from 1.
    int lineNumber() const { return current_; }
    void lookAtNext() { current_ = int(next_) + 1; }
    // The words after the keyword, or nothing when the next line is not that keyword's.
    std::optional<QString> take(const QString& keyword)
    {
        current_ = int(next_) + 1;
        if (atEnd())
            return std::nullopt;
        const QString& line = lines_[next_];
        if (line == keyword) {
            ++next_;
            return QString();
        }
        if (!line.startsWith(keyword + u' '))
            return std::nullopt;
        ++next_;
        return line.mid(keyword.size() + 1);
    }

private:
    QStringList lines_;
    qsizetype next_ = 0;
    int current_ = 1;
};

std::optional<int> number(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    // Only plain decimal digits: "+5", " 5" and "0x5" are not what a writer writes.
    if (!ok || text.isEmpty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<QPoint> cellOf(const QString& text, int boardSize)
{
    if (text.size() < 2 || text[0] < u'A' || text[0] >= QChar(u'A' + boardSize))
        return std::nullopt;
    const auto row = number(text.mid(1), 1, boardSize);
    if (!row)
        return std::nullopt;
    return QPoint(text[0].unicode() - u'A', *row - 1);
}

bool unseen(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

bool plainName(const QString& name)
{
    return name.size() <= MaxNameLength && std::none_of(name.begin(), name.end(), unseen);
}

// A name as a line can hold it: names that travel carry no control characters, and one that
// did would otherwise end its line early.
QString plainText(QString name)
{
    std::replace_if(name.begin(), name.end(), unseen, QChar(u'?'));
    return name.left(MaxNameLength);
}

class Parser {
public:
    explicit Parser(QStringList lines) : in_(std::move(lines)) {}

    Reading read()
    {
        Record game;
        if (!header(game))
            return fail(std::nullopt);
        while (!in_.atEnd()) {
            if (const auto move = in_.take(QStringLiteral("move"))) {
                if (!addMove(game, *move))
                    return fail(game);
                continue;
            }
            if (in_.take(QStringLiteral("unfinished")))
                return end(game);
            if (finalScores(game))
                return end(game);
            return fail(game, tr("手でも結果でもない行です"));
        }
        in_.lookAtNext();
        return fail(game, tr("記録が途中で切れています"));
    }

private:
    bool header(Record& game)
    {
        if (!in_.take(QString::fromLatin1(Magic)))
            return problem(tr("対戦の記録ではありません"));
        const auto date = in_.take(QStringLiteral("date"));
        game.played = date ? QDateTime::fromString(*date, Qt::ISODate) : QDateTime();
        if (!game.played.isValid())
            return problem(tr("日時が読めません"));
        const auto board = in_.take(QStringLiteral("board"));
        const auto size = board ? number(*board, rules::MinBoardSize, rules::MaxBoardSize) : std::nullopt;
        if (!size)
            return problem(tr("盤の大きさが読めません"));
        game.boardSize = *size;
        const auto rule = in_.take(QStringLiteral("rule"));
        if (!rule || (*rule != ruleWord(rules::Scoring::Points) && *rule != ruleWord(rules::Scoring::Count)))
            return problem(tr("得点方法が読めません"));
        game.scoring = *rule == ruleWord(rules::Scoring::Count) ? rules::Scoring::Count : rules::Scoring::Points;
        const auto time = in_.take(QStringLiteral("time"));
        const auto limit = time && *time != QStringLiteral("none")
                               ? number(*time, rules::MinTimeLimit, rules::NoLimit - 1)
                               : std::optional<int>(rules::NoLimit);
        if (!time || !limit)
            return problem(tr("制限時間が読めません"));
        game.timeLimit = *limit;
        const auto rotation = in_.take(QStringLiteral("rotation"));
        if (!rotation || (*rotation != QStringLiteral("on") && *rotation != QStringLiteral("off")))
            return problem(tr("回転の有無が読めません"));
        game.rotation = *rotation == QStringLiteral("on");
        for (int seat = 1; seat <= rules::Seats; ++seat) {
            const auto name = in_.take(QStringLiteral("seat %1").arg(seat));
            if (!name || !plainName(*name))
                return problem(tr("%1番席の名前が読めません").arg(seat));
            game.names[std::size_t(seat - 1)] = *name;
        }
        const auto station = in_.take(QStringLiteral("station"));
        const auto seat = station && *station != QStringLiteral("watcher") ? number(*station, 1, rules::Seats)
                                                                           : std::optional<int>(NoSeat);
        if (!station || !seat)
            return problem(tr("この端末の席が読めません"));
        game.ownSeat = *seat;
        return true;
    }

    bool addMove(Record& game, const QString& text)
    {
        if (int(game.moves.size()) >= MaxMoves)
            return problem(tr("手が多すぎます"));
        const QStringList words = text.split(u' ');
        const auto seat = words.size() == 2 ? number(words[0], 1, rules::Seats) : std::nullopt;
        if (!seat)
            return problem(tr("手の席が読めません"));
        if (words[1] == QStringLiteral("pass")) {
            game.moves.push_back(Move{*seat, -1, -1});
            return true;
        }
        const auto cell = cellOf(words[1], game.boardSize);
        if (!cell)
            return problem(tr("手のマスが盤にありません"));
        game.moves.push_back(Move{*seat, cell->x(), cell->y()});
        return true;
    }

    // "final <seat> place <p> score <s>" for seats 1 to 4; the places are for other readers,
    // the scores decide.
    bool finalScores(Record& game)
    {
        std::array<int, 4> scores{};
        for (int seat = 1; seat <= rules::Seats; ++seat) {
            const auto line = in_.take(QStringLiteral("final %1").arg(seat));
            if (!line)
                return seat == 1 ? false : problem(tr("結果が読めません"));
            const QStringList words = line->split(u' ');
            const auto score = words.size() == 4 && words[0] == QStringLiteral("place") &&
                                       number(words[1], 1, rules::Seats) && words[2] == QStringLiteral("score")
                                   ? number(words[3], 0, 999999999)
                                   : std::nullopt;
            if (!score)
                return problem(tr("結果が読めません"));
            scores[std::size_t(seat - 1)] = *score;
        }
        game.finalScores = scores;
        return true;
    }

    Reading end(Record& game)
    {
        if (!in_.atEnd()) {
            in_.lookAtNext();
            return fail(game, tr("結果の後に行が続いています"));
        }
        return Reading{std::move(game), {}, 0};
    }

    bool problem(const QString& reason)
    {
        if (problem_.isEmpty()) {
            problem_ = reason;
            line_ = in_.lineNumber();
        }
        return false;
    }

    Reading fail(std::optional<Record> game, const QString& reason = {})
    {
        if (!reason.isEmpty())
            problem(reason);
        if (game)
            game->finalScores.reset();
        return Reading{std::move(game), problem_, line_};
    }

    LineReader in_;
    QString problem_;
    int line_ = 0;
};

} // namespace

QByteArray recordText(const Record& game)
{
    QStringList lines{QString::fromLatin1(Magic),
                      QStringLiteral("date ") + game.played.toString(Qt::ISODate),
                      QStringLiteral("board %1").arg(game.boardSize),
                      QStringLiteral("rule ") + ruleWord(game.scoring),
                      QStringLiteral("time ") +
                          (game.timeLimit >= rules::NoLimit ? QStringLiteral("none") : QString::number(game.timeLimit)),
                      QStringLiteral("rotation ") + (game.rotation ? QStringLiteral("on") : QStringLiteral("off"))};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        lines << QStringLiteral("seat %1 %2").arg(seat).arg(plainText(game.name(seat)));
    lines << QStringLiteral("station ") +
                 (game.ownSeat == NoSeat ? QStringLiteral("watcher") : QString::number(game.ownSeat));
    for (const Move& move : game.moves)
        lines << moveText(move);
    if (game.finalScores) {
        const auto& scores = *game.finalScores;
        const auto places = placesOf(scores);
        for (std::size_t seat = 0; seat < scores.size(); ++seat)
            lines << QStringLiteral("final %1 place %2 score %3").arg(seat + 1).arg(places[seat]).arg(scores[seat]);
    } else {
        lines << QStringLiteral("unfinished");
    }
    return lines.join(u'\n').toUtf8() + '\n';
}

Reading readRecord(QByteArrayView bytes)
{
    if (bytes.size() > MaxBytes)
        return Reading{std::nullopt, tr("対戦の記録としては大きすぎます"), 0};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return Reading{std::nullopt, tr("対戦の記録ではありません"), 0};
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return Parser(std::move(lines)).read();
}

} // namespace record
