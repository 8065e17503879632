#include "ui/controls/control_id.h"

#include <QAbstractButton>
#include <QVariant>
#include <QWidget>

namespace kalvex {
namespace {

constexpr const char* kControlIdProperty = "controlId";

} // namespace

void SetControlId(QWidget& control, int id, const QString& objectName)
{
    control.setProperty(kControlIdProperty, id);
    control.setObjectName(objectName);
}

int ControlId(const QWidget& control)
{
    return control.property(kControlIdProperty).toInt();
}

QWidget* FindControl(const QWidget& window, int id)
{
    if (ControlId(window) == id)
        return const_cast<QWidget*>(&window);
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (ControlId(*child) == id)
            return child;
    }
    return nullptr;
}

void SendCommand(const QWidget& window, int id)
{
    if (auto* button = FindControl<QAbstractButton>(window, id); button && button->isEnabled())
        button->click();
}

} // namespace kalvex
