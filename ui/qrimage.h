#pragma once
#include <QImage>
#include <QString>

namespace ui {

// `text` as a QR code, each module `scale` pixels with the four-module quiet margin round it;
// a null image when the text does not fit in one.
QImage qrImage(const QString& text, int scale);

} // namespace ui
