#include "ui/extrkbar.h"
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A slider from 6 to 26 at 8, as the lobby's board size starts, with its notifications counted.
class TrackBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(200, 60);
        bar = new ui::TExtTrackBar(&parent);
        bar->setGeometry(10, 10, 110, 25);
        bar->setMin(6);
        bar->setMax(26);
        bar->setPosition(8);
        QObject::connect(bar, &ui::TExtTrackBar::OnChange, bar, [this] { seen.append(bar->Position()); });
    }

    void showParent()
    {
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    // Where the style draws the track, at the current position.
    QRect groove() const
    {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.tickPosition = bar->tickPosition();
        option.tickInterval = bar->tickInterval();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, bar);
    }

    QWidget parent;
    ui::TExtTrackBar* bar = nullptr;
    QList<int> seen; // the position each notification found
};

TEST_F(TrackBarTest, TicksStandBelowAtEveryValue)
{
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(bar->tickInterval(), 1);
    EXPECT_EQ(bar->Min(), 6);
    EXPECT_EQ(bar->Max(), 26);
    EXPECT_EQ(bar->Position(), 8);
}

TEST_F(TrackBarTest, UserActionNotifiesOnceWithTheNewPosition)
{
    struct Row {
        Qt::Key key;
        int expected;
    };
    const Row rows[] = {{Qt::Key_Right, 9}, {Qt::Key_PageUp, 11}, {Qt::Key_Left, 10}, {Qt::Key_Home, 6}, {Qt::Key_End, 26}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        seen.clear();
        QTest::keyClick(bar, row.key);
        EXPECT_EQ(seen, QList<int>{row.expected});
    }
}

TEST_F(TrackBarTest, UserActionThatCannotMoveStillNotifiesOnce)
{
    bar->setPosition(26);
    seen.clear();
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(seen, (QList<int>{26, 26}));
}

TEST_F(TrackBarTest, ClickOnTheTrackNotifiesOnce)
{
    showParent();
    const QRect track = groove();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(track.right() - 2, track.center().y()));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_GT(seen.front(), 8);
    EXPECT_EQ(seen.front(), bar->Position());
}

TEST_F(TrackBarTest, ProgramSetNotifiesOnlyWhenThePositionChanges)
{
    bar->setPosition(8);
    EXPECT_TRUE(seen.isEmpty());
    bar->setPosition(12);
    EXPECT_EQ(seen, QList<int>{12});
    bar->setValue(13); // the slider's own setter is a program set too
    EXPECT_EQ(seen, (QList<int>{12, 13}));
}

TEST_F(TrackBarTest, ProgramSetIsClampedIntoTheRange)
{
    bar->setPosition(30);
    bar->setPosition(40);
    bar->setPosition(-5);
    bar->setPosition(6);
    EXPECT_EQ(seen, (QList<int>{26, 6}));
}

TEST_F(TrackBarTest, ResizeNotifiesAfterTheSizeHasChanged)
{
    showParent();
    QList<QSize> sizes;
    QObject::connect(bar, &ui::TExtTrackBar::OnResize, bar, [&] { sizes.append(bar->size()); });
    bar->resize(150, 25);
    bar->resize(150, 25);
    bar->resize(190, 30);
    EXPECT_EQ(sizes, (QList<QSize>{{150, 25}, {190, 30}}));
}

TEST_F(TrackBarTest, ColourFollowsTheParentUntilSetAndAgainAfterwards)
{
    QPalette green = parent.palette();
    green.setColor(QPalette::Window, Qt::green);
    parent.setPalette(green);
    EXPECT_TRUE(bar->ParentColor());
    EXPECT_EQ(bar->Color(), QColor(Qt::green));

    bar->setColor(Qt::red);
    EXPECT_FALSE(bar->ParentColor());
    EXPECT_EQ(bar->Color(), QColor(Qt::red));
    EXPECT_EQ(bar->grab().toImage().pixelColor(1, 1), QColor(Qt::red));

    bar->setParentColor(true);
    EXPECT_EQ(bar->Color(), QColor(Qt::green));
    EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(Qt::green));
}

TEST_F(TrackBarTest, OwnColourSurvivesAPaletteReset)
{
    bar->setColor(Qt::blue);
    bar->setPalette(QPalette()); // as a change of the system colours would
    EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_EQ(bar->Color(), QColor(Qt::blue));
}

TEST_F(TrackBarTest, HiddenSliderDrawsTheTrackWithoutItsThumb)
{
    showParent();
    const QImage withThumb = bar->grab().toImage();
    bar->setSliderVisible(false);
    EXPECT_FALSE(bar->SliderVisible());
    const QImage withoutThumb = bar->grab().toImage();
    EXPECT_NE(withThumb, withoutThumb);
    bar->setSliderVisible(true);
    EXPECT_EQ(bar->grab().toImage(), withThumb);
}

} // namespace
