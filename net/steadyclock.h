#pragma once
#include <QtGlobal>

namespace net {

// Milliseconds on a clock that never goes back.
qint64 steadyMilliseconds();

} // namespace net
