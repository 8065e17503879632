#pragma once

#include <QString>

class QWidget;

namespace kalvex {

// Every control carries the number its dialog gives it (property "controlId") and an object
// name saying what it is; help tables, commands and tests find controls by either.
void SetControlId(QWidget& control, int id, const QString& objectName);
// The control's number, 0 when it has none.
int ControlId(const QWidget& control);
// The control of that number inside window (the window itself included), or nothing.
QWidget* FindControl(const QWidget& window, int id);

template <class T> T* FindControl(const QWidget& window, int id)
{
    return qobject_cast<T*>(FindControl(window, id));
}

// Delivers the command of control id to window: the button of that number is clicked when it
// exists and is enabled.
void SendCommand(const QWidget& window, int id);

} // namespace kalvex
