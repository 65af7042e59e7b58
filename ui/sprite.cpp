#include "ui/sprite.h"
#include <QImage>

namespace ui {

Sprite::Sprite(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255)
                return; // left null: the caller blends it
            const bool drawn = alpha == 255;
            pixels_.push_back(drawn ? line[x] : 0);
            mask_.push_back(drawn ? ~QRgb(0) : 0);
        }
    }
    size_ = image.size();
}

// Built twice, the wider vectors chosen at load time where the processor has them.
[[gnu::target_clones("avx2", "default")]] void Sprite::drawOnto(QImage& target, int x, int y) const
{
    const QRect area = QRect(QPoint(x, y), size_) & target.rect();
    if (area.isEmpty())
        return;
    uchar* bits = target.bits(); // once: every call would check for sharing again
    const qsizetype bytesPerLine = target.bytesPerLine();
    const int width = area.width();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * bytesPerLine) + area.left();
        const std::size_t from = std::size_t((row - y) * size_.width() + (area.left() - x));
        const QRgb* source = pixels_.data() + from;
        const QRgb* mask = mask_.data() + from;
        for (int i = 0; i < width; ++i)
            line[i] = (line[i] & ~mask[i]) | source[i];
    }
}

} // namespace ui
