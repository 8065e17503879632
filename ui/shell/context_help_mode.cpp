#include "ui/shell/context_help_mode.h"

#include "ui/shell/command_ids.h"
#include "ui/shell/context_help_source.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace kalvex {

CContextHelpMode::CContextHelpMode(QWidget& window, int fallbackTopic, TopicHandler onTopic)
    : m_window(window), m_fallbackTopic(fallbackTopic), m_onTopic(std::move(onTopic))
{
}

CContextHelpMode::~CContextHelpMode()
{
    Leave();
}

void CContextHelpMode::Enter()
{
    if (m_active)
        return;
    m_active = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void CContextHelpMode::Leave()
{
    if (!m_active)
        return;
    m_active = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

int CContextHelpMode::TopicAt(QWidget* widget, const QPoint& pos) const
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        const QAction* action = menu->actionAt(pos);
        if (action && action->data().toInt() != 0)
            return kCommandHelpBase + action->data().toInt();
        return m_fallbackTopic;
    }
    QPoint local = pos;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* source = dynamic_cast<const IContextHelpSource*>(w)) {
            if (int topic = source->HelpHitTest(local))
                return topic;
        }
        if (const int topic = w->property("helpId").toInt())
            return topic;
        if (w->isWindow())
            break;
        local = w->mapToParent(local);
    }
    return m_fallbackTopic;
}

int CContextHelpMode::TopicOfFocus(QWidget* widget) const
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* action = menu->activeAction();
        return action ? TopicAt(menu, menu->actionGeometry(action).center()) : m_fallbackTopic;
    }
    const auto* source = dynamic_cast<const IContextHelpSource*>(widget);
    return TopicAt(widget, source ? source->HelpFocusPoint() : widget->rect().center());
}

bool CContextHelpMode::IsOurs(QObject* watched) const
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    return widget->window() == &m_window || qobject_cast<QMenu*>(widget);
}

void CContextHelpMode::Answer(QObject* watched, const std::function<int(QWidget*)>& topicOf)
{
    const int topic = IsOurs(watched) ? topicOf(static_cast<QWidget*>(watched)) : 0;
    Leave();
    if (topic)
        m_onTopic(topic);
}

bool CContextHelpMode::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
            Leave();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // The key passes the platform window first; the control with the focus answers.
            if (!watched->isWidgetType())
                return false;
            Answer(watched, [this](QWidget* widget) { return TopicOfFocus(widget); });
            return true;
        default:
            return false;
        }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!watched->isWidgetType())
            return false;
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        Answer(watched, [this, pos](QWidget* widget) { return TopicAt(widget, pos); });
        return true;
    }
    case QEvent::MouseButtonRelease:
        return m_active;
    default:
        return false;
    }
}

} // namespace kalvex
