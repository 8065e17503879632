#include "ui/controls/add_unit_command.h"

#include "ui/controls/control_id.h"

#include <QKeyEvent>
#include <QWidget>

namespace kalvex {

bool EnterAddsUnit(const QWidget& field, QKeyEvent& event)
{
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    event.accept();
    SendCommand(*field.window(), kAddUnitCommand);
    return true;
}

} // namespace kalvex
