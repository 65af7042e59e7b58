#include "net/lookalikes.h"

#include <algorithm>
#include <string_view>

namespace net {

namespace {

// Case-folded letters, and below each what it passes for on a screen: Greek and Cyrillic letters
// that look Latin, kanji and hiragana that look like katakana, and long lines that look alike.
constexpr std::u16string_view Letters = u"αβγεζηικμνορτυχ"
                                        u"авгеёзкмнопрстух"
                                        u"力工口二八夕卜へべぺ"
                                        u"一―─○";
constexpr std::u16string_view Alikes = u"abyezhikmnoptyx"
                                       u"abree3kmhonpctyx"
                                       u"カエロニハタトヘベペ"
                                       u"ーーー〇";
static_assert(Letters.size() == Alikes.size());

QChar passesFor(QChar c)
{
    const auto at = Letters.find(c.unicode());
    return at == std::u16string_view::npos ? c : QChar(Alikes[at]);
}

} // namespace

QString lookAlikeKey(const QString& name)
{
    QString key = name.normalized(QString::NormalizationForm_KC).toCaseFolded();
    std::transform(key.begin(), key.end(), key.begin(), passesFor);
    return key;
}

} // namespace net
