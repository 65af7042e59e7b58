#include "net/names.h"

#include "net/carriedtext.h"

#include <QStringEncoder>

namespace net {

namespace {

QString withoutControls(const QString& name)
{
    QString kept;
    for (const QChar c : name)
        if (c.category() != QChar::Other_Control && c.category() != QChar::Separator_Line
            && c.category() != QChar::Separator_Paragraph)
            kept += c;
    return kept;
}

// Whole characters only, so the last one is never half a two-byte character.
QString cutToBytes(const QString& name, int limit)
{
    QStringEncoder encoder("CP932");
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        bytes += QByteArray(encoder.encode(QStringView(name).sliced(i, length))).size();
        if (bytes > limit)
            break;
        i += length;
    }
    return name.first(i);
}

bool isNumberLine(const QString& name)
{
    const QStringView digits = name.startsWith(u'-') ? QStringView(name).sliced(1) : QStringView(name);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString freshGuestName(const QStringList& taken)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("ゲスト") + QString::number(n);
        if (!taken.contains(name))
            return name;
    }
}

} // namespace

QString acceptName(const QString& name, const QStringList& taken)
{
    const QString kept = cutToBytes(withoutControls(carriedText(name)), MaxNameBytes);
    if (kept.isEmpty() || isNumberLine(kept) || kept.startsWith(QStringLiteral("◆")))
        return freshGuestName(taken);
    return kept;
}

} // namespace net
