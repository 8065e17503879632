#include "ui/controls/focus_button.h"

#include "ui/controls/paste_control.h"

namespace kalvex {

CFocusButton::CFocusButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void CFocusButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    DisablePasteOf(*this);
}

} // namespace kalvex
