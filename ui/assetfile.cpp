#include "ui/assetfile.h"

#include "rules/failure.h"

#include <QFile>
#include <QtEndian>

namespace ui {

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype infoHeaderSize = 40; // the smallest header that carries width and height

// Qt's reader is lenient about what follows the pixel offset; demand the header fields first.
bool looksLikeBitmap(const QByteArray& bytes)
{
    if (bytes.size() < fileHeaderSize + infoHeaderSize || !bytes.startsWith("BM"))
        return false;
    const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(raw + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(raw + 14);
    return headerSize >= infoHeaderSize && pixelOffset >= fileHeaderSize + headerSize
        && pixelOffset < quint32(bytes.size());
}

} // namespace

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure("ファイル " + path + " は開けません");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure("ファイル " + path + " は開けません");
    return bytes;
}

QImage loadBitmap(const QString& path)
{
    const QByteArray bytes = readWhole(path);
    QImage image;
    if (!looksLikeBitmap(bytes) || !image.loadFromData(bytes, "BMP"))
        throw Failure("ビットマップイメージが不正です");
    return image;
}

QPixmap withTransparentColour(const QImage& image)
{
    if (image.isNull())
        return QPixmap();
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(masked);
}

QString nativeAssetPath(const QString& exeDir, const QString& relative)
{
    QString dir = exeDir;
    if (!dir.isEmpty() && !dir.endsWith('/'))
        dir += '/';
    return dir + QString(relative).replace('\\', '/');
}

} // namespace ui
