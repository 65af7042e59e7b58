#pragma once
#include <QString>

namespace net {

// The form in which names that a screen shows alike are equal: letter case and character width
// ignored, and each letter of another script that Shift_JIS carries read as the one it passes
// for (Cyrillic о and Greek ο as Latin o, kanji 力 as katakana カ, 一 as ー).
QString lookAlikeKey(const QString& name);

} // namespace net
