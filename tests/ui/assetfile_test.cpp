#include "ui/assetfile.h"
#include "tests/support/programfolder.h"

#include "rules/failure.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// Letters of a small picture: W white, B blue, b a blue one step off, R red.
QImage pictureOf(const QStringList& rows)
{
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QChar letter = rows[y][x];
            image.setPixel(x, y, letter == 'W' ? qRgb(255, 255, 255) : letter == 'B' ? qRgb(0, 0, 255)
                                 : letter == 'b' ? qRgb(0, 0, 254) : qRgb(255, 0, 0));
        }
    }
    return image;
}

std::string failureText(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.text().toStdString();
    }
    return "(no failure)";
}

std::string notOpened(const QString& path)
{
    return ("ファイル " + path + " は開けません").toStdString();
}

class AssetFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray bitmapBytes(const QImage& image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, "BMP"));
        return bytes;
    }
    QTemporaryDir dir;
};

TEST_F(AssetFileTest, ReadWholeKeepsEveryByteIncludingNuls)
{
    const QByteArray bytes("RIFF\0\0\x01\xff tail", 14);
    EXPECT_EQ(ui::readWhole(write("sound.wav", bytes)), bytes);
}

TEST_F(AssetFileTest, MissingOrUnreadableFileNamesItsFullPath)
{
    const QString missing = dir.filePath("snd/kako.wav");
    EXPECT_EQ(failureText([&] { ui::readWhole(missing); }), notOpened(missing));
    EXPECT_EQ(failureText([&] { ui::loadBitmap(missing); }), notOpened(missing));
    EXPECT_EQ(failureText([&] { ui::readWhole(dir.path()); }), notOpened(dir.path()));
}

TEST_F(AssetFileTest, LoadBitmapReadsPixelsBottomRowLast)
{
    const QImage picture = pictureOf({"RWB",
                                      "BBW"});
    const QImage loaded = ui::loadBitmap(write("p.bmp", bitmapBytes(picture)));
    ASSERT_EQ(loaded.size(), QSize(3, 2));
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(loaded.pixel(2, 1), qRgb(255, 255, 255));
}

TEST_F(AssetFileTest, AnythingButABitmapIsRefused)
{
    const QByteArray good = bitmapBytes(pictureOf({"RWB", "BBW"}));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pictureOf({"RW"}).save(&buffer, "PNG");
    QByteArray hugeHeader = good;
    hugeHeader[14] = char(0xF0); // header size beyond the file
    QByteArray offsetPastEnd = good;
    offsetPastEnd[10] = char(0xF0);
    offsetPastEnd[11] = char(0x7F);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", "this is not a picture\r\n"},
        {"signature only", "BM"},
        {"truncated header", good.left(30)},
        {"header without pixels", good.left(54)},
        {"png data", png},
        {"pixels cut short", good.left(good.size() - 4)},
        {"oversized info header", hugeHeader},
        {"pixel offset past the end", offsetPastEnd},
    };
    for (const auto& c : cases) {
        const QString path = write("bad.bmp", c.bytes);
        EXPECT_EQ(failureText([&] { ui::loadBitmap(path); }), "ビットマップイメージが不正です") << c.what;
    }
}

TEST_F(AssetFileTest, TransparentColourIsTakenFromTheBottomLeftPixel)
{
    const QPixmap pixmap = ui::withTransparentColour(pictureOf({"BWR",
                                                                "bBW",
                                                                "BRB"}));
    const QImage result = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const char* expectedOpaque[] = {".XX",
                                    "X.X",
                                    ".X."};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(qAlpha(result.pixel(x, y)) == 255, expectedOpaque[y][x] == 'X') << x << "," << y;
    EXPECT_EQ(result.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(result.pixel(0, 1), qRgb(0, 0, 254));
}

TEST_F(AssetFileTest, WhiteBottomLeftMakesWhiteTransparent)
{
    const QImage result = ui::withTransparentColour(pictureOf({"RW",
                                                               "WB"}))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(result.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(result.pixel(1, 1)), 255);
}

TEST_F(AssetFileTest, NullImageGivesNullPixmap)
{
    EXPECT_TRUE(ui::withTransparentColour(QImage()).isNull());
}

TEST(NativeAssetPath, BackslashesBecomeSlashesUnderTheExecutableFolder)
{
    EXPECT_EQ(ui::nativeAssetPath("/opt/taisen/", "snd\\kako.wav"), "/opt/taisen/snd/kako.wav");
    EXPECT_EQ(ui::nativeAssetPath("/opt/taisen", "img\\f_red.bmp"), "/opt/taisen/img/f_red.bmp");
    EXPECT_EQ(ui::nativeAssetPath("/opt/taisen/", "setting.ini"), "/opt/taisen/setting.ini");
}

} // namespace

namespace {

// The shipped pictures, loaded the way the game window loads them.
struct ShippedImage {
    const char* file;
    int size;
    bool transparent;
};
void PrintTo(const ShippedImage& image, std::ostream* out) { *out << image.file; }

QImage shipped(const char* file)
{
    return ui::loadBitmap(ProgramFolder::shipped(QStringLiteral("img/") + QLatin1String(file)));
}

bool isWhite(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

class ShippedImageTest : public ::testing::TestWithParam<ShippedImage> {};

TEST_P(ShippedImageTest, HasItsSizeAndTheRightBottomLeftPixel)
{
    const QImage image = shipped(GetParam().file);
    EXPECT_EQ(image.size(), QSize(GetParam().size, GetParam().size));
    EXPECT_EQ(isWhite(image.pixel(0, image.height() - 1)), GetParam().transparent);
}

INSTANTIATE_TEST_SUITE_P(All, ShippedImageTest,
                         ::testing::Values(ShippedImage{"select.bmp", 24, false}, ShippedImage{"f_red.bmp", 24, true},
                                           ShippedImage{"f_blu.bmp", 24, true}, ShippedImage{"f_grn.bmp", 24, true},
                                           ShippedImage{"f_blk.bmp", 24, true}, ShippedImage{"koma_red.bmp", 24, true},
                                           ShippedImage{"koma_blu.bmp", 24, true}, ShippedImage{"koma_grn.bmp", 24, true},
                                           ShippedImage{"koma_blk.bmp", 24, true}, ShippedImage{"old.bmp", 24, true},
                                           ShippedImage{"light0.bmp", 17, true}, ShippedImage{"light1.bmp", 17, true}),
                         [](const auto& info) { return QString(info.param.file).section('.', 0, 0).toStdString(); });

class BoardPieceTest : public ::testing::TestWithParam<const char*> {};

// Edge pixels blend towards the dark board; a near-white one would show as a halo there.
TEST_P(BoardPieceTest, HasNoLightFringe)
{
    const QImage image = shipped(GetParam());
    const auto transparentAt = [&](int x, int y) {
        return !image.rect().contains(x, y) || isWhite(image.pixel(x, y));
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool edge = transparentAt(x - 1, y) || transparentAt(x + 1, y) || transparentAt(x, y - 1)
                || transparentAt(x, y + 1);
            if (!isWhite(pixel) && edge) {
                EXPECT_LT(std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}), 200) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, BoardPieceTest,
                         ::testing::Values("f_red.bmp", "f_blu.bmp", "f_grn.bmp", "f_blk.bmp", "koma_red.bmp",
                                           "koma_blu.bmp", "koma_grn.bmp", "koma_blk.bmp", "old.bmp"),
                         [](const auto& info) { return QString(info.param).section('.', 0, 0).toStdString(); });

// Mean colour of the pixels that are drawn.
QColor drawnColour(const QImage& image)
{
    qint64 sum[3] = {0, 0, 0};
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isWhite(pixel))
                continue;
            sum[0] += qRed(pixel);
            sum[1] += qGreen(pixel);
            sum[2] += qBlue(pixel);
            ++count;
        }
    }
    return count == 0 ? QColor() : QColor(int(sum[0] / count), int(sum[1] / count), int(sum[2] / count));
}

TEST(ShippedSeatPieces, EachFileShowsItsSeatsColour)
{
    const struct {
        const char* suffix;
        int dominant; // 0 red, 1 green, 2 blue, -1 dark
    } seats[] = {{"red", 0}, {"blu", 2}, {"grn", 1}, {"blk", -1}};
    for (const auto& seat : seats) {
        for (const char* kind : {"f_", "koma_"}) {
            const QByteArray file = QByteArray(kind) + seat.suffix + ".bmp";
            const QColor mean = drawnColour(shipped(file.constData()));
            const int channels[] = {mean.red(), mean.green(), mean.blue()};
            if (seat.dominant < 0) {
                EXPECT_LT(*std::max_element(channels, channels + 3), 90) << file.constData();
                continue;
            }
            for (int other = 0; other < 3; ++other) {
                if (other != seat.dominant) {
                    EXPECT_GT(channels[seat.dominant], channels[other] + 40) << file.constData();
                }
            }
        }
    }
}

TEST(ShippedLamps, LitLampIsMuchBrighterThanUnlit)
{
    EXPECT_GT(drawnColour(shipped("light1.bmp")).value(), drawnColour(shipped("light0.bmp")).value() + 60);
}

} // namespace
