#pragma once
#include <QImage>
#include <QScreen>
#include <QWidget>

// What the window system holds for a widget: only what was really painted, so a missing
// repaint shows (QWidget::grab would paint afresh and hide it).
inline QImage grabOnScreen(QWidget& widget)
{
    QWidget* window = widget.window();
    const QPoint origin = widget.mapTo(window, QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), origin.x(), origin.y(), widget.width(), widget.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
