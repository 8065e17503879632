#include "ui/controls/focus_button.h"

#include "ui/controls/paste_control.h"

namespace kalvex {
namespace {

Qt::FocusPolicy PolicyFor(bool checked)
{
    return checked ? Qt::StrongFocus : Qt::ClickFocus;
}

} // namespace

CFocusButton::CFocusButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setFocusPolicy(PolicyFor(isChecked()));
    connect(this, &QAbstractButton::toggled, this,
            [this](bool checked) { setFocusPolicy(PolicyFor(checked)); });
}

void CFocusButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    DisablePasteOf(*this);
}

} // namespace kalvex
