#include "net/lookalikes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace net {

namespace {

// Case-folded letters and what they pass for on a screen: Greek and Cyrillic letters that
// look Latin, kanji and hiragana that look like katakana, and the long lines that look alike.
constexpr std::array<std::pair<char16_t, char16_t>, 45> PassesFor{{
    {u'α', u'a'}, {u'β', u'b'}, {u'γ', u'y'}, {u'ε', u'e'}, {u'ζ', u'z'}, {u'η', u'h'}, {u'ι', u'i'},
    {u'κ', u'k'}, {u'μ', u'm'}, {u'ν', u'n'}, {u'ο', u'o'}, {u'ρ', u'p'}, {u'τ', u't'}, {u'υ', u'y'},
    {u'χ', u'x'}, {u'а', u'a'}, {u'в', u'b'}, {u'г', u'r'}, {u'е', u'e'}, {u'ё', u'e'}, {u'з', u'3'},
    {u'к', u'k'}, {u'м', u'm'}, {u'н', u'h'}, {u'о', u'o'}, {u'п', u'n'}, {u'р', u'p'}, {u'с', u'c'},
    {u'т', u't'}, {u'у', u'y'}, {u'х', u'x'}, {u'力', u'カ'}, {u'工', u'エ'}, {u'口', u'ロ'}, {u'二', u'ニ'},
    {u'八', u'ハ'}, {u'夕', u'タ'}, {u'卜', u'ト'}, {u'へ', u'ヘ'}, {u'べ', u'ベ'}, {u'ぺ', u'ペ'}, {u'一', u'ー'},
    {u'―', u'ー'}, {u'─', u'ー'}, {u'○', u'〇'},
}};

QChar passesFor(QChar c)
{
    const auto it = std::find_if(PassesFor.begin(), PassesFor.end(), [c](const auto& p) { return p.first == c; });
    return it == PassesFor.end() ? c : QChar(it->second);
}

} // namespace

QString lookAlikeKey(const QString& name)
{
    QString key = name.normalized(QString::NormalizationForm_KC).toCaseFolded();
    std::transform(key.begin(), key.end(), key.begin(), passesFor);
    return key;
}

} // namespace net
