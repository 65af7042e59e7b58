#include "main_fixture.h"

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

} // namespace
