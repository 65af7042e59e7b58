#pragma once
#include <QObject>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

// A window's control found by its object name, as a player finds it by sight. A control that
// is missing, or is not a T, throws: the test fails at once and says which.
template <class T = QWidget>
T* control(const QObject& window, const QString& name)
{
    auto* found = window.findChild<T*>(name);
    if (!found)
        throw std::logic_error("no " + std::string(T::staticMetaObject.className()) + " named " + name.toStdString() +
                               " in " + window.metaObject()->className());
    return found;
}
