#pragma once
#include <QColor>
#include <QSlider>

namespace ui {

// The lobby's slider: Qt's slider with a tick at every value below the track and one change
// notification, OnChange, sent on every user scroll action (even when the position stays)
// and on every program-set position that differs from the current one (clamped to Min..Max).
class TExtTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TExtTrackBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void setMin(int v);
    void setMax(int v);
    int Position() const { return value(); }
    void setPosition(int v); // clamped; no notification when it equals the current position

    QColor Color() const;
    void setColor(const QColor& c);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool on);
    bool SliderVisible() const { return sliderVisible_; }
    void setSliderVisible(bool on);

signals:
    void OnChange();
    void OnResize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColor();

    bool parentColor_ = true;
    bool sliderVisible_ = true;
    QColor color_;            // the system window colour until set
    bool userAction_ = false; // a user action is moving the value; its own notification follows
};

} // namespace ui
