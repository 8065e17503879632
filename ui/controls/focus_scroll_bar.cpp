#include "ui/controls/focus_scroll_bar.h"

#include "ui/controls/paste_control.h"
#include "ui/controls/value_slider_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kalvex {
namespace {

constexpr int kWheelNotch = 120; // angle delta of one wheel step, in eighths of a degree

} // namespace

CFocusScrollBar::CFocusScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    InstallValueSliderAccessible();
    setFocusPolicy(Qt::StrongFocus);
}

void CFocusScrollBar::SetReading(const SliderReading& reading)
{
    if (reading == m_reading)
        return;
    m_reading = reading;
    QAccessibleValueChangeEvent event(this, reading.value);
    QAccessible::updateAccessibility(&event);
}

void CFocusScrollBar::focusInEvent(QFocusEvent* event)
{
    QScrollBar::focusInEvent(event);
    DisablePasteOf(*this);
}

QAbstractSlider::SliderAction CFocusScrollBar::ActionForKey(int key) const
{
    // A scroll bar's own keys run backwards for a value slider (they scroll a view, where
    // "up" shows earlier content). Right-to-left layouts swap the arrows only.
    const bool mirrored = isRightToLeft();
    switch (key) {
    case Qt::Key_Right:
        return mirrored ? SliderSingleStepSub : SliderSingleStepAdd;
    case Qt::Key_Left:
        return mirrored ? SliderSingleStepAdd : SliderSingleStepSub;
    case Qt::Key_Up:
        return SliderSingleStepAdd;
    case Qt::Key_Down:
        return SliderSingleStepSub;
    case Qt::Key_PageUp:
        return SliderPageStepAdd;
    case Qt::Key_PageDown:
        return SliderPageStepSub;
    case Qt::Key_Home:
        return SliderToMinimum;
    case Qt::Key_End:
        return SliderToMaximum;
    default:
        return SliderNoAction;
    }
}

void CFocusScrollBar::keyPressEvent(QKeyEvent* event)
{
    const SliderAction action =
        event->modifiers() & ~Qt::KeypadModifier ? SliderNoAction : ActionForKey(event->key());
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void CFocusScrollBar::wheelEvent(QWheelEvent* event)
{
    // Each notch is one line step, like an arrow key; a fine-grained wheel adds up to notches.
    const QPoint delta = event->angleDelta();
    m_wheelRemainder += delta.y() != 0 ? delta.y() : delta.x();
    while (m_wheelRemainder >= kWheelNotch) {
        m_wheelRemainder -= kWheelNotch;
        triggerAction(SliderSingleStepAdd);
    }
    while (m_wheelRemainder <= -kWheelNotch) {
        m_wheelRemainder += kWheelNotch;
        triggerAction(SliderSingleStepSub);
    }
    event->accept();
}

void CFocusScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Scroll bars draw no focus of their own in most styles; the user must see where keys go.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kalvex
