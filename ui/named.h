#pragma once
#include <QObject>
#include <QString>

namespace ui {

// Gives a control its name from the design, by which tests and style sheets find it.
template <class T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace ui
