#include "ui/controls/paste_control.h"

#include "ui/controls/control_id.h"

#include <QWidget>

namespace kalvex {

void DisablePasteOf(const QWidget& control)
{
    if (QWidget* paste = FindControl(*control.window(), 41))
        paste->setEnabled(false);
}

} // namespace kalvex
