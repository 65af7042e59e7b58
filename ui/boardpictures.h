#pragma once
#include <QPixmap>
#include <QString>
#include <array>

namespace ui {

// The board's pictures by cell code: 0 the hover cursor, 1..8 the pieces, 9 the last-move mark.
using BoardImages = std::array<QPixmap, 10>;

// Loads them from the pictures beside the program, in order; the first one missing or broken
// throws Failure and leaves those loaded before it in place.
void loadBoardImages(const QString& exeDir, BoardImages& images);

// The pieces and the mark drawn larger, for an enlarged board, where they are found: without
// them the board shows the usual pictures enlarged.
BoardImages largerBoardImages(const QString& exeDir);

} // namespace ui
