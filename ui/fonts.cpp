#include "ui/fonts.h"
#include <QStringList>

namespace ui {

namespace {
const QString interfaceFamily = QStringLiteral("ＭＳ Ｐゴシック");
}

void installSubstitutes()
{
    QFont::insertSubstitutions(interfaceFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
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
