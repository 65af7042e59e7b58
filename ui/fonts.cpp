#include "ui/fonts.h"
#include <QStringList>

namespace ui {

namespace {
const QString interfaceFamily = QStringLiteral("ＭＳ Ｐゴシック");
}

void installSubstitutes()
{
    // Debian's IPA font first; then other Japanese fonts a desktop may have instead.
    QFont::insertSubstitutions(interfaceFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("TakaoPGothic"), QStringLiteral("Droid Sans Fallback")});
}

QFont uiFont(int pixelSize, bool bold, bool italic)
{
    installSubstitutes();
    QFont font(interfaceFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace ui
