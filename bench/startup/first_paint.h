#pragma once
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

// What both start-up programs share: run the event loop until the window has painted once,
// then print the whole process's CPU time and peak memory, start-up included.
namespace bench {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint
        }
        return false;
    }

private:
    bool seen_ = false;
};

inline int widgetCount(const QWidget& window)
{
    return 1 + int(window.findChildren<QWidget*>().size());
}

// One line: CPU milliseconds (user and system, all threads), peak resident kilobytes, and the
// widgets of the shown and of the hidden window.
inline void printUsage(const QWidget& shown, const QWidget& hidden)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("cpu_ms %.2f peak_kb %ld shown %d hidden %d\n", cpuMs, usage.ru_maxrss, widgetCount(shown),
                widgetCount(hidden));
}

} // namespace bench
