#include "ui/programicon.h"

namespace ui {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/taisen-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ui
