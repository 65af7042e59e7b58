#pragma once
#include <QFont>

namespace ui {

// The interface font "ＭＳ Ｐゴシック" at a pixel height; where it is missing, Debian's IPAPGothic
// stands in, or another installed Japanese font (installSubstitutes makes Qt pick it).
void installSubstitutes();
QFont uiFont(int pixelSize, bool bold = false, bool italic = false);

} // namespace ui
