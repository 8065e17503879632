#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace kalvex::testing {

// The shown objects of a window that take the focus or act, yet give assistive tools no name:
// each as its widget's object name and its role.
inline QStringList UnnamedControls(QWidget& window)
{
    QStringList unnamed;
    const auto visit = [&unnamed](const auto& self, QAccessibleInterface* object) -> void {
        if (!object || object->state().invisible)
            return;
        const QAccessibleActionInterface* actions = object->actionInterface();
        const bool acts = actions && !actions->actionNames().isEmpty();
        if ((object->state().focusable || acts) && object->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)")
                           .arg(object->object() ? object->object()->objectName() : QString())
                           .arg(int(object->role()));
        for (int i = 0; i < object->childCount(); ++i)
            self(self, object->child(i));
    };
    visit(visit, QAccessible::queryAccessibleInterface(&window));
    return unnamed;
}

} // namespace kalvex::testing
