#include "platform/qt/window_accessible.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace kalvex {
namespace {

QSet<QString>& WindowClasses()
{
    static QSet<QString> classes;
    return classes;
}

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object)
{
    if (!object->isWidgetType() || !WindowClasses().contains(className))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void ReadAsWindow(const QMetaObject& windowClass)
{
    // Installing again is harmless: Qt keeps one entry for each factory.
    QAccessible::installFactory(WindowAccessibleFactory);
    WindowClasses().insert(QLatin1String(windowClass.className()));
}

} // namespace kalvex
