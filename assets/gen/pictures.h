#pragma once
#include "canvas.h"

// The board's and the side panel's surfaces, towards which edge pixels blend.
inline const Rgb boardColour = hexColour(0x506060);
inline const Rgb panelColour = hexColour(0xF0F0F0);

constexpr int cellSize = 24; // a cell's interior
constexpr int lampSize = 17;
// How much larger the pictures for enlarged boards are drawn: the screen scales them down.
constexpr int detailScale = 4;

// A seat's stone: a glossy ball with a friendly face.
Image facePicture(Rgb body, Rgb features, int scale = 1);
// A seat's jewel: an octagonal cut stone with facets and a sparkle.
Image jewelPicture(Rgb body, int scale = 1);
// The opaque hover cursor, the last-move mark that shows around a piece, the turn lamps.
Image cursorPicture();
Image lastMovePicture(int scale = 1);
Image lampPicture(bool lit);
