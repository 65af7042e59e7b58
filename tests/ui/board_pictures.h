#pragma once
#include "ui/boardpictures.h"
#include <QColor>
#include <QImage>
#include <QPixmap>

// Board pictures for the grid's tests: the cursor opaque all over, each piece opaque in its right
// half only, the mark in its top half only; the rest left out.
namespace boardpictures {

inline QColor piece(int code) { return QColor(20 * code, 100, 200 - 10 * code); }
inline const QColor cursor(250, 200, 0);
inline const QColor mark(255, 0, 255);

inline ui::BoardImages halves()
{
    ui::BoardImages images;
    for (int i = 0; i < int(images.size()); ++i) {
        QImage image(24, 24, QImage::Format_ARGB32);
        image.fill(i == 0 ? cursor : QColor(Qt::transparent));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                if (i >= 1 && i <= 8 && x >= 12)
                    image.setPixelColor(x, y, piece(i));
                if (i == 9 && y < 12)
                    image.setPixelColor(x, y, mark);
            }
        images[std::size_t(i)] = QPixmap::fromImage(image);
    }
    return images;
}

} // namespace boardpictures
