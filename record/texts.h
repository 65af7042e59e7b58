#pragma once
#include <QCoreApplication>
#include <QString>

namespace record {

// What the records say to the player, in one translation context of their own.
inline QString tr(const char* text)
{
    return QCoreApplication::translate("record", text);
}

} // namespace record
