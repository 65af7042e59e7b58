#include "ui/sprite.h"
#include "tests/support/namedcase.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A ring with a hole and a gap in its rows: runs start and end at every kind of edge.
QPixmap ring()
{
    QImage picture(24, 24, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const int d2 = (x - 12) * (x - 12) + (y - 12) * (y - 12);
            if (d2 < 144 && d2 > 25 && x != 12)
                picture.setPixel(x, y, qRgb(10 * x, 200, 10 * y));
        }
    return QPixmap::fromImage(picture);
}

QImage backdrop()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 90));
    return image;
}

struct Place : NamedCase {
    QPoint at;
};
class SpriteTest : public testing::TestWithParam<Place> {};

TEST_P(SpriteTest, DrawsWhatQPainterDrawsClippedToTheTarget)
{
    const QPixmap picture = ring();
    QImage expected = backdrop();
    QPainter(&expected).drawPixmap(GetParam().at, picture);
    QImage drawn = backdrop();
    const ui::Sprite sprite(picture);
    ASSERT_FALSE(sprite.isNull());
    sprite.drawOnto(drawn, GetParam().at.x(), GetParam().at.y());
    EXPECT_EQ(drawn, expected);
}

INSTANTIATE_TEST_SUITE_P(Places, SpriteTest,
                         testing::Values(Place{{"Inside"}, {5, 3}}, Place{{"OverTheLeftEdge"}, {-7, 2}},
                                         Place{{"OverTheRightEdge"}, {30, 1}}, Place{{"OverTheTopEdge"}, {4, -9}},
                                         Place{{"OverTheBottomEdge"}, {10, 20}}, Place{{"WhollyLeft"}, {-30, 0}},
                                         Place{{"WhollyBelow"}, {0, 40}}),
                         byName);

TEST(SpriteNullTest, APartlyTransparentOrNullPictureMakesNoSprite)
{
    QImage faint(4, 4, QImage::Format_ARGB32);
    faint.fill(qRgba(255, 0, 0, 255));
    faint.setPixel(2, 2, qRgba(255, 0, 0, 128));
    EXPECT_TRUE(ui::Sprite(QPixmap::fromImage(faint)).isNull());
    EXPECT_TRUE(ui::Sprite(QPixmap()).isNull());
    EXPECT_EQ(ui::Sprite(ring()).size(), QSize(24, 24));
}

} // namespace
