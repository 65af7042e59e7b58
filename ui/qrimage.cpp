#include "ui/qrimage.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace ui {

QImage qrImage(const QString& text, int scale)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return {};
    constexpr int margin = 4;
    const int modules = code->width + 2 * margin;
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) // the low bit marks a dark module
                painter.fillRect((x + margin) * scale, (y + margin) * scale, scale, scale, Qt::black);
    return image;
}

} // namespace ui
