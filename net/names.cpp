#include "net/names.h"

#include "net/carriedtext.h"
#include "net/lookalikes.h"

#include <QStringEncoder>
#include <algorithm>

namespace net {

namespace {

QString withoutControls(const QString& name)
{
    QString kept;
    for (const QChar c : name)
        if (c.category() != QChar::Other_Control && c.category() != QChar::Separator_Line &&
            c.category() != QChar::Separator_Paragraph)
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

// Full-width digits and signs read as the plain ones, in a name as on a screen.
QString plainForm(const QString& name)
{
    return name.normalized(QString::NormalizationForm_KC);
}

bool isNumberLine(const QString& name)
{
    const QString plain = plainForm(name);
    const QStringView digits = plain.startsWith(u'-') ? QStringView(plain).sliced(1) : QStringView(plain);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Names that a screen shows alike read as one.
bool isTaken(const QString& name, const QStringList& taken)
{
    const QString key = lookAlikeKey(name);
    return std::any_of(taken.begin(), taken.end(), [&](const QString& t) { return lookAlikeKey(t) == key; });
}

QString freshGuestName(const QStringList& taken)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("ゲスト") + QString::number(n);
        if (!isTaken(name, taken))
            return name;
    }
}

// Nothing that makes a chat line or a notice read as if someone else had spoken: no "：", no
// notice's ending, no blank margins.
QString withoutLookAlikes(QString name)
{
    name.remove(QChar(u'：'));
    for (bool cut = true; cut;) {
        name = name.trimmed();
        cut = false;
        for (const QString& suffix : {QStringLiteral("氏の来訪"), QStringLiteral("氏の退室")})
            if (name.endsWith(suffix)) {
                name.chop(suffix.size());
                cut = true;
            }
    }
    return name;
}

} // namespace

QString memberName(const QString& name, const QStringList& taken)
{
    const QString accepted = acceptName(name, taken);
    if (!isTaken(accepted, taken))
        return accepted;
    for (int n = 2;; ++n) {
        const QString number = QString::number(n);
        const QString candidate = cutToBytes(accepted, MaxNameBytes - int(number.size())) + number;
        if (isNumberLine(candidate))
            return freshGuestName(taken); // a lone sign: any number after it reads as one
        if (!isTaken(candidate, taken))
            return candidate;
    }
}

QString acceptName(const QString& name, const QStringList& taken)
{
    const QString kept = withoutLookAlikes(cutToBytes(withoutControls(carriedText(name)), MaxNameBytes));
    if (kept.isEmpty() || isNumberLine(kept) || kept.startsWith(QStringLiteral("◆")))
        return freshGuestName(taken);
    return kept;
}

} // namespace net
