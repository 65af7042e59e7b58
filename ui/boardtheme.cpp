#include "ui/boardtheme.h"
#include "ui/boardgrid.h"
#include <QCoreApplication>
#include <algorithm>

namespace ui {

QString BoardTheme::shownName() const
{
    return QCoreApplication::translate("BoardTheme", name);
}

const std::vector<BoardTheme>& boardThemes()
{
    // High contrast: every face and jewel picture stands out on white, black lines on white most.
    static const std::vector<BoardTheme> themes{
        {"classic", QT_TRANSLATE_NOOP("BoardTheme", "青磁"), BoardGrid::BoardColour, BoardGrid::LineColour},
        {"wood", QT_TRANSLATE_NOOP("BoardTheme", "木目"), QColor(0xC8, 0xA0, 0x64), QColor(0x5A, 0x3C, 0x1E)},
        {"contrast", QT_TRANSLATE_NOOP("BoardTheme", "ハイコントラスト"), QColor(0xFF, 0xFF, 0xFF),
         QColor(0x00, 0x00, 0x00)},
    };
    return themes;
}

const BoardTheme& boardTheme(const QString& key)
{
    const auto& themes = boardThemes();
    const auto found =
        std::find_if(themes.begin(), themes.end(), [&](const BoardTheme& t) { return key == QLatin1String(t.key); });
    return found == themes.end() ? themes.front() : *found;
}

} // namespace ui
