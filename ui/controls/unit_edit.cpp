#include "ui/controls/unit_edit.h"

#include "platform/qt/visible_text.h"
#include "ui/controls/add_unit_command.h"

#include <QKeyEvent>

namespace kalvex {

CUnitEdit::CUnitEdit(QWidget* parent) : QLineEdit(parent)
{
    KeepBidiControlsVisible(*this);
}

void CUnitEdit::keyPressEvent(QKeyEvent* event)
{
    if (!EnterAddsUnit(*this, *event))
        QLineEdit::keyPressEvent(event);
}

} // namespace kalvex
