#include "ui/controls/focus_scroll_bar.h"

#include "ui/controls/paste_control.h"

namespace kalvex {

CFocusScrollBar::CFocusScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CFocusScrollBar::focusInEvent(QFocusEvent* event)
{
    QScrollBar::focusInEvent(event);
    DisablePasteOf(*this);
}

} // namespace kalvex
