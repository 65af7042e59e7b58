#include "net/steadyclock.h"

#include <QElapsedTimer>

namespace net {

qint64 steadyMilliseconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace net
