#pragma once
#include <QPixmap>
#include <QRgb>
#include <QSize>
#include <vector>

class QImage;

namespace ui {

// A picture whose every pixel is either opaque or left out, kept with a mask, so that drawing
// it is a select per pixel between the picture and the target, which the compiler vectorises,
// instead of a blend of every pixel.
class Sprite {
public:
    Sprite() = default;
    // Null when the pixmap is null or has a partly transparent pixel, which needs blending.
    explicit Sprite(const QPixmap& pixmap);

    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    // target is RGB32; the top-left corner goes to (x, y), what falls outside is not drawn.
    void drawOnto(QImage& target, int x, int y) const;

private:
    QSize size_;
    std::vector<QRgb> pixels_; // row by row; left-out pixels are 0
    std::vector<QRgb> mask_;   // ~0 for a drawn pixel, 0 for one left out
};

} // namespace ui
