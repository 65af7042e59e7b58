#include "ui/sprite.h"
#include <QImage>

namespace ui {

namespace {

// Writes source over target where mask is set, row by row over area; source and mask start at
// the area's top-left pixel and advance by stride per row. Built twice, the wider vectors
// chosen at load time where the processor has them.
[[gnu::target_clones("avx2", "default")]] void selectRows(uchar* target, qsizetype bytesPerLine, const QRect& area,
                                                          const QRgb* source, const QRgb* mask, int stride)
{
    const int width = area.width();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(target + row * bytesPerLine) + area.left();
        for (int i = 0; i < width; ++i)
            line[i] = (line[i] & ~mask[i]) | source[i];
        source += stride;
        mask += stride;
    }
}

} // namespace

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

void Sprite::drawOnto(QImage& target, int x, int y) const
{
    const QRect area = QRect(QPoint(x, y), size_) & target.rect();
    if (area.isEmpty())
        return;
    const std::size_t first = std::size_t((area.top() - y) * size_.width() + (area.left() - x));
    // bits() once: each call checks for sharing again.
    selectRows(target.bits(), target.bytesPerLine(), area, pixels_.data() + first, mask_.data() + first, size_.width());
}

} // namespace ui
