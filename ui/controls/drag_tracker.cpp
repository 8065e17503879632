#include "ui/controls/drag_tracker.h"

#include "ui/controls/drag_messages.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>

namespace kalvex {
namespace {

CDragTracker* g_active = nullptr;

} // namespace

CDragTracker::CDragTracker(QWidget& source, unsigned format) : m_source(&source), m_format(format)
{
    // A new drag ends any left over, so only one tracker ever holds the mouse.
    delete g_active;
    g_active = this;
    m_previousGrabber = QWidget::mouseGrabber();
    if (m_previousGrabber)
        m_previousGrabber->releaseMouse();
    // Filtering the whole program is how the tracker holds the mouse: moves and the release
    // come here wherever the pointer is, and no window below sees them.
    qApp->installEventFilter(this);
}

CDragTracker::~CDragTracker()
{
    if (g_active == this)
        g_active = nullptr;
    if (m_cursorShown)
        QGuiApplication::restoreOverrideCursor();
}

CDragTracker* CDragTracker::Active()
{
    return g_active;
}

QWidget* CDragTracker::WindowAt(const QPoint& globalPos)
{
    QWidget* widget = QApplication::widgetAt(globalPos);
    // A list's entries live in its viewport; the list is the window that takes part.
    if (widget) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
            area && area->viewport() == widget)
            return area;
    }
    return widget;
}

void CDragTracker::ShowCursor(Qt::CursorShape shape)
{
    if (m_cursorShown) {
        QGuiApplication::changeOverrideCursor(shape);
    } else {
        QGuiApplication::setOverrideCursor(shape);
        m_cursorShown = true;
    }
}

void CDragTracker::OnMove(const QPoint& globalPos)
{
    QWidget* window = WindowAt(globalPos);
    if (!window) {
        ShowCursor(kNoDropCursor);
        m_lastWindow = nullptr;
        return;
    }
    if (window == m_lastWindow)
        return;
    const bool accepts = window == m_source || QueryDrop(*window, m_format);
    ShowCursor(accepts ? kDropCursor : kNoDropCursor);
    m_lastWindow = window;
}

void CDragTracker::OnRelease()
{
    m_finished = true;
    if (g_active == this)
        g_active = nullptr;
    qApp->removeEventFilter(this);
    QPointer<QWidget> target = m_lastWindow;
    m_lastWindow = nullptr;
    // Both are sent, not posted: the target has read the transfer file before the source
    // removes its entries.
    if (target && target != m_source && QueryDrop(*target, m_format)) {
        SendDoDrop(*target, m_format, kDropHere);
        if (m_source)
            SendDoDrop(*m_source, m_format, kDragCompleted);
    }
    if (m_cursorShown) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorShown = false;
    }
    if (m_previousGrabber && m_previousGrabber->isVisible())
        m_previousGrabber->grabMouse();
    deleteLater();
}

bool CDragTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (m_finished || !watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        OnMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        OnRelease();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace kalvex
