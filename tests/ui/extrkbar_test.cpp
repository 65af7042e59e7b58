#include "ui/extrkbar.h"
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown slider from 6 to 26 at 8, as the lobby's board size starts, with the position that
// each of its notifications found.
class TrackBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        bar = new ui::TExtTrackBar(&parent);
        bar->setGeometry(10, 10, 110, 25);
        bar->setMin(6);
        bar->setMax(26);
        bar->setPosition(8);
        QObject::connect(bar, &ui::TExtTrackBar::OnChange, bar, [this] { seen.append(bar->Position()); });
        parent.resize(200, 60);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    // Where the style draws the track.
    QRect groove() const
    {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.tickPosition = bar->tickPosition();
        option.tickInterval = bar->tickInterval();
        return bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, bar);
    }

    QWidget parent;
    ui::TExtTrackBar* bar = nullptr;
    QList<int> seen;
};

TEST_F(TrackBarTest, EachUserActionNotifiesOnceWithTheNewPosition)
{
    const std::pair<Qt::Key, int> rows[] = {{Qt::Key_Right, 9}, {Qt::Key_PageUp, 11}, {Qt::Key_Left, 10},
        {Qt::Key_Home, 6}, {Qt::Key_End, 26}, {Qt::Key_Right, 26}, {Qt::Key_End, 26}};
    QList<int> expected;
    for (const auto& [key, position] : rows) {
        QTest::keyClick(bar, key);
        expected.append(position);
    }
    EXPECT_EQ(seen, expected); // the last two could not move, and notified all the same
}

TEST_F(TrackBarTest, ClickOnTheTrackNotifiesOnce)
{
    const QRect track = groove();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(track.right() - 2, track.center().y()));
    EXPECT_EQ(seen, QList<int>{10});
    EXPECT_EQ(bar->Position(), 10);
}

TEST_F(TrackBarTest, ProgramSetNotifiesOnlyADifferentClampedPosition)
{
    const std::pair<int, int> rows[] = {{8, 0}, {12, 12}, {30, 26}, {40, 0}, {-5, 6}, {6, 0}};
    QList<int> expected;
    for (const auto& [set, notified] : rows) {
        bar->setPosition(set);
        if (notified)
            expected.append(notified);
    }
    bar->setValue(13); // the slider's own setter is a program set too
    expected.append(13);
    EXPECT_EQ(seen, expected);
}

TEST_F(TrackBarTest, ResizeNotifiesAfterTheSizeHasChanged)
{
    QList<QSize> sizes;
    QObject::connect(bar, &ui::TExtTrackBar::OnResize, bar, [&] { sizes.append(bar->size()); });
    bar->resize(150, 25);
    bar->resize(150, 25);
    bar->resize(190, 30);
    EXPECT_EQ(sizes, (QList<QSize>{{150, 25}, {190, 30}}));
}

TEST_F(TrackBarTest, ColourFollowsTheParentUntilSetAndSurvivesAPaletteReset)
{
    QPalette green = parent.palette();
    green.setColor(QPalette::Window, Qt::green);
    parent.setPalette(green);
    EXPECT_TRUE(bar->ParentColor());
    EXPECT_EQ(bar->Color(), QColor(Qt::green));

    bar->setColor(Qt::red);
    bar->setPalette(QPalette()); // as a change of the system colours would
    EXPECT_FALSE(bar->ParentColor());
    EXPECT_EQ(bar->grab().toImage().pixelColor(1, 1), QColor(Qt::red));

    bar->setParentColor(true);
    EXPECT_EQ(bar->Color(), QColor(Qt::green));
    EXPECT_EQ(bar->grab().toImage().pixelColor(1, 1), QColor(Qt::green));
}

TEST_F(TrackBarTest, HiddenSliderDrawsTheTrackWithoutItsThumb)
{
    const QImage withThumb = bar->grab().toImage();
    bar->setSliderVisible(false);
    EXPECT_NE(bar->grab().toImage(), withThumb);
    bar->setSliderVisible(true);
    EXPECT_EQ(bar->grab().toImage(), withThumb);
}

} // namespace
