#include "main_fixture.h"
#include "ui/programicon.h"

namespace {

class ProgramIconTest : public MainFormTest {};

TEST_F(ProgramIconTest, BothWindowsCarryTheIconInEverySize)
{
    create();
    for (const QWidget* window : {static_cast<QWidget*>(boot.get()), static_cast<QWidget*>(form.get())}) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        EXPECT_EQ(sizes, (QList<QSize>{{48, 48}, {64, 64}, {128, 128}, {256, 256}})) << window->windowTitle().toStdString();
        // The picture itself is there: its middle is opaque.
        const QImage picture = window->windowIcon().pixmap(QSize(64, 64)).toImage();
        EXPECT_EQ(qAlpha(picture.pixel(32, 32)), 255);
    }
}

// Decoded only when a window system asks, the icon still gives each shipped picture as it is.
TEST(ProgramIcon, GivesTheShippedPicturesAtEachSize)
{
    const QIcon icon = ui::programIcon();
    for (const int side : {48, 64, 128, 256}) {
        const QImage shipped = QImage(QStringLiteral(":/icon/taisen-%1.png").arg(side)).convertToFormat(QImage::Format_ARGB32);
        const QImage given = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(given, shipped) << side;
    }
    EXPECT_EQ(icon.actualSize(QSize(100, 100)), QSize(100, 100));
}

} // namespace
