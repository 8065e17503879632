#include "ui/controls/context_help.h"

#include "platform/help_service.h"
#include "ui/controls/control_id.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace kalvex {

CContextHelp::CContextHelp(QWidget& dialog, const HelpPair* table, IHelpService& help)
    : QObject(&dialog), m_dialog(dialog), m_table(table), m_help(help)
{
    // Help keys and clicks reach whichever control is under them; watching the whole
    // program and keeping what belongs to this dialog saves wiring every control.
    qApp->installEventFilter(this);
}

CContextHelp::~CContextHelp()
{
    LeaveHelpMode();
}

int CContextHelp::TopicFor(const QWidget* control) const
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (const int own = w->property("helpId").toInt())
            return own;
        const int id = ControlId(*w);
        for (const HelpPair* pair = m_table; id != 0 && pair->controlId != 0; ++pair) {
            if (pair->controlId == id)
                return pair->topic;
        }
        if (w == &m_dialog)
            break;
    }
    return 0;
}

bool CContextHelp::BelongsToDialog(const QObject* object) const
{
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    return widget == &m_dialog || m_dialog.isAncestorOf(widget);
}

void CContextHelp::ShowTopicFor(const QWidget* control)
{
    if (const int topic = TopicFor(control))
        m_help.ShowTopic(topic);
}

void CContextHelp::EnterHelpMode()
{
    if (m_helpMode)
        return;
    m_helpMode = true;
    QGuiApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void CContextHelp::LeaveHelpMode()
{
    if (!m_helpMode)
        return;
    m_helpMode = false;
    QGuiApplication::restoreOverrideCursor();
}

void CContextHelp::OfferWhatsThis(QWidget* control, const QPoint& globalPos)
{
    const bool hasTopic = TopicFor(control) != 0;
    if (!hasTopic && m_menuActions.empty())
        return;
    auto* menu = new QMenu(&m_dialog);
    menu->setObjectName(QStringLiteral("whatsThisMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (hasTopic) {
        QPointer<QWidget> target(control);
        menu->addAction(tr("What's This?"), this, [this, target] {
            if (target)
                ShowTopicFor(target);
        });
        if (!m_menuActions.empty())
            menu->addSeparator();
    }
    for (QAction* action : m_menuActions)
        menu->addAction(action);
    menu->popup(globalPos);
}

bool CContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || !BelongsToDialog(watched))
            return false;
        if (key->modifiers() & Qt::ShiftModifier)
            EnterHelpMode();
        else
            ShowTopicFor(static_cast<QWidget*>(watched));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_helpMode || !watched->isWidgetType())
            return false;
        LeaveHelpMode();
        if (BelongsToDialog(watched))
            ShowTopicFor(static_cast<QWidget*>(watched));
        return true;
    case QEvent::MouseButtonRelease:
        return m_helpMode && watched->isWidgetType();
    case QEvent::ContextMenu:
        if (!BelongsToDialog(watched))
            return false;
        OfferWhatsThis(static_cast<QWidget*>(watched), static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

} // namespace kalvex
