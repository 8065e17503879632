#include "platform/qt/qt_busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kalvex {

void QtBusyCursor::Begin()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursor::End()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kalvex
