#include "ui/extrkbar.h"
#include <QEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace ui {

TExtTrackBar::TExtTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent), color_(palette().color(QPalette::Base))
{
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    // A user action lands here before the value moves; the position may also stay where it is.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] {
        userAction_ = true;
        setValue(sliderPosition());
        userAction_ = false;
        emit OnChange();
    });
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (!userAction_)
            emit OnChange();
    });
}

void TExtTrackBar::setMin(int v)
{
    setMinimum(v);
}

void TExtTrackBar::setMax(int v)
{
    setMaximum(v);
}

void TExtTrackBar::setPosition(int v)
{
    setValue(qBound(minimum(), v, maximum()));
}

QColor TExtTrackBar::Color() const
{
    if (parentColor_ && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return color_;
}

void TExtTrackBar::setColor(const QColor& c)
{
    color_ = c;
    parentColor_ = false;
    applyColor();
}

void TExtTrackBar::setParentColor(bool on)
{
    parentColor_ = on;
    applyColor();
}

void TExtTrackBar::setSliderVisible(bool on)
{
    if (on == sliderVisible_)
        return;
    sliderVisible_ = on;
    update();
}

void TExtTrackBar::applyColor()
{
    // Borrowing the parent's colour means painting no background of our own.
    setAutoFillBackground(!parentColor_);
    if (parentColor_) {
        if (testAttribute(Qt::WA_SetPalette))
            setPalette(QPalette());
        return;
    }
    if (palette().color(QPalette::Window) == color_)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color_);
    setPalette(p);
}

void TExtTrackBar::resizeEvent(QResizeEvent* event)
{
    QSlider::resizeEvent(event);
    emit OnResize();
}

void TExtTrackBar::paintEvent(QPaintEvent* event)
{
    if (sliderVisible_) {
        QSlider::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void TExtTrackBar::changeEvent(QEvent* event)
{
    QSlider::changeEvent(event);
    // A new system palette or style would otherwise wash out a colour of our own.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyColor();
}

} // namespace ui
