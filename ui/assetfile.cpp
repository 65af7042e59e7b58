#include "ui/assetfile.h"

#include "rules/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QCoreApplication>

namespace ui {

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr quint32 infoHeaderSize = 40; // the smallest header that carries width and height
constexpr quint32 uncompressed = 0;
constexpr quint32 bitFields = 3;

template <typename T>
T field(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<T>(reinterpret_cast<const uchar*>(bytes.constData()) + offset);
}

// Rows are padded to four bytes; heights are negative for top-down bitmaps.
qint64 pixelBytes(const QByteArray& bytes)
{
    const qint64 width = field<qint32>(bytes, 18);
    const qint64 height = qAbs(qint64(field<qint32>(bytes, 22)));
    const qint64 bitsPerPixel = field<quint16>(bytes, 28);
    return (width * bitsPerPixel + 31) / 32 * 4 * height;
}

// Qt's reader accepts a pixel offset past the end and pixel rows cut short; refuse both.
bool looksLikeBitmap(const QByteArray& bytes)
{
    if (bytes.size() < fileHeaderSize + infoHeaderSize || !bytes.startsWith("BM"))
        return false;
    const quint32 pixelOffset = field<quint32>(bytes, 10);
    const quint32 headerSize = field<quint32>(bytes, 14);
    if (headerSize < infoHeaderSize || pixelOffset < fileHeaderSize + headerSize ||
        pixelOffset >= quint32(bytes.size()))
        return false;
    const quint32 compression = field<quint32>(bytes, 30);
    const bool plainRows = compression == uncompressed || compression == bitFields;
    return !plainRows || pixelOffset + pixelBytes(bytes) <= bytes.size();
}

} // namespace

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QCoreApplication::translate("ui", "ファイル %1 は開けません").arg(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QCoreApplication::translate("ui", "ファイル %1 は開けません").arg(path));
    return bytes;
}

QImage loadBitmap(const QString& path)
{
    const QByteArray bytes = readWhole(path);
    QImage image;
    if (!looksLikeBitmap(bytes) || !image.loadFromData(bytes, "BMP"))
        throw Failure(QCoreApplication::translate("ui", "ビットマップイメージが不正です"));
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

QString assetPath(const QString& exeDir, const QString& relative)
{
    const QString folder = QString(relative).replace('\\', '/').section('/', 0, 0);
    if (QFileInfo(nativeAssetPath(exeDir, folder)).isDir())
        return nativeAssetPath(exeDir, relative);
    const QString installed = QDir::cleanPath(nativeAssetPath(exeDir, QStringLiteral(TAISEN_DATA_FROM_BIN)));
    if (QFileInfo(nativeAssetPath(installed, folder)).isDir())
        return nativeAssetPath(installed, relative);
    return nativeAssetPath(exeDir, relative);
}

} // namespace ui
