#pragma once
#include <QString>

namespace match {

// The name as setting.ini keeps it: what Shift_JIS carries, each character it cannot carry
// as its nearest, so that it reads back as it travels.
QString keptName(const QString& typed);

} // namespace match
