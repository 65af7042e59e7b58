#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

class QTextBrowser;
class QToolButton;

namespace ui {

// The pictures of the game window, by cell code (0 the hover picture, 9 the last-move mark).
using Pictures = std::array<QPixmap, 10>;

// The window 遊び方 / "How to play": the rules and the ways to play, each with a small picture
// drawn from the game's own pictures. One for the program, made when first asked for.
class HowToPlay : public QWidget {
    Q_OBJECT
public:
    HowToPlay(const Pictures& pictures, QWidget* parent = nullptr);
    QTextBrowser* Text = nullptr;
};

// The small "?" that opens the window; it never takes the keyboard.
QToolButton* helpButton();

namespace howto {

// Cells as a text picture, one string a row: '.' empty, '1'..'4' a seat's face, 'A'..'D'
// the jewel of seat 1..4. Drawn as the board draws them, 25 pixels a cell.
QImage board(const Pictures& pictures, const std::vector<QString>& rows);
// Two boards with an arrow from the first to the second.
QImage change(const QImage& before, const QImage& after);
// The starting layout, and the same board after one turn of the jewels.
QImage startingBoard(const Pictures& pictures, bool turned = false);

} // namespace howto

} // namespace ui
