#include "net/carriedtext.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace net {

namespace {

// Characters that Unix input methods type where Windows keyboards type their code page 932
// look-alikes.
char32_t lookAlike(char32_t c)
{
    switch (c) {
    case U'\u301C': return U'\uFF5E'; // wave dash
    case U'\u2212': return U'\uFF0D'; // minus sign
    case U'\u2014': return U'\u2015'; // em dash
    case U'\u2016': return U'\u2225'; // double vertical line
    case U'\u00A2': return U'\uFFE0'; // cent
    case U'\u00A3': return U'\uFFE1'; // pound
    case U'\u00A5': return U'\uFFE5'; // yen
    case U'\u00AC': return U'\uFFE2'; // not
    case U'\u203E': return U'\uFFE3'; // overline
    default: return 0;
    }
}

bool carried(const QString& one)
{
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(one);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder("CP932");
    return QString(decoder.decode(bytes)) == one;
}

bool dropped(char32_t c)
{
    const auto category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing || category == QChar::Other_Format;
}

// The carried parts of the character's compatibility decomposition: é gives e, ﬁ gives fi.
QString decomposed(char32_t c)
{
    QString kept;
    for (const char32_t part : QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
        const QString one = QString::fromUcs4(&part, 1);
        if (!dropped(part) && carried(one))
            kept += one;
    }
    return kept;
}

QString carriedCharacter(char32_t c)
{
    const QString one = QString::fromUcs4(&c, 1);
    if (carried(one))
        return one;
    if (const char32_t alike = lookAlike(c))
        return QString::fromUcs4(&alike, 1);
    if (dropped(c))
        return {};
    const QString parts = decomposed(c);
    return parts.isEmpty() ? QStringLiteral("?") : parts;
}

} // namespace

QString carriedText(const QString& text)
{
    QString result;
    for (const char32_t c : text.toUcs4())
        result += carriedCharacter(c);
    return result;
}

} // namespace net
