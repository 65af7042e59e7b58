#pragma once
#include <QIcon>

namespace ui {

// The program's icon in every size it comes in, for the windows' captions and task bars.
QIcon programIcon();

} // namespace ui
