#pragma once
#include <QColor>
#include <QString>
#include <vector>

// The looks the board may take: the colour under the cells and the colour of the grid lines.
// The faces and jewels keep their own pictures in every look.
namespace ui {

struct BoardTheme {
    const char* key;  // as setting.ini keeps it, never translated
    const char* name; // as the player reads it, through BoardTheme::shownName
    QColor board;
    QColor line;
    QString shownName() const;
};

// The first is the look the board always had.
const std::vector<BoardTheme>& boardThemes();
// The theme a key names; the first when the key names none.
const BoardTheme& boardTheme(const QString& key);

} // namespace ui
