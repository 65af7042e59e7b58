#include "net/message.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <limits>

namespace net {

QByteArray encodeMessage(const QStringList& lines)
{
    QStringEncoder encoder("CP932");
    QByteArray bytes;
    for (const QString& line : lines) {
        if (bytes.size() >= MaxMessageBytes)
            break;
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    bytes.truncate(MaxMessageBytes);
    return bytes;
}

std::optional<LineSpan> scanLine(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return LineSpan{from, i, i + 1};
        if (bytes[i] == '\r') {
            const bool crlf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
            return LineSpan{from, i, i + (crlf ? 2 : 1)};
        }
    }
    return std::nullopt;
}

namespace {

QString decodeText(QByteArrayView bytes)
{
    // Stateless: a lead byte cut off at the end of the text is dropped, never joined to the next.
    QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray encodeText(const QString& text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

} // namespace

// A notice's name is read on its own, as the member list's line of it is: a name in another
// code page then reads the same in both and cannot swallow the notice's ending.
QString decodeLine(QByteArrayView bytes)
{
    static const QByteArray marker = encodeText(QStringLiteral("◆"));
    static const QByteArray endings[] = {encodeText(QStringLiteral("氏の来訪")),
                                         encodeText(QStringLiteral("氏の退室"))};
    for (const QByteArray& ending : endings)
        if (bytes.size() >= marker.size() + ending.size() && bytes.startsWith(marker) && bytes.endsWith(ending))
            return decodeText(marker) +
                   decodeText(bytes.sliced(marker.size(), bytes.size() - marker.size() - ending.size())) +
                   decodeText(ending);
    return decodeText(bytes);
}

QStringList splitLines(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    QStringList lines;
    qsizetype from = 0;
    while (const auto line = scanLine(text, from)) {
        lines << decodeLine(text.sliced(line->begin, line->end - line->begin));
        from = line->next;
    }
    if (from < text.size())
        lines << decodeLine(text.sliced(from));
    return lines;
}

std::optional<int> lineNumber(const QStringList& m, int i)
{
    if (i < 0 || i >= m.size())
        return std::nullopt;
    const QString& text = m[i];
    const bool negative = text.startsWith(u'-');
    const qsizetype digits = text.size() - (negative ? 1 : 0);
    if (digits < 1 || digits > 10)
        return std::nullopt;
    long long value = 0;
    for (qsizetype k = text.size() - digits; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace net
