#include "ui/shell/row_list_accessible.h"

#include <QAbstractScrollArea>
#include <QPointer>

namespace kalvex {
namespace {

// One row as a list item. Its list's interface deletes it, so the rows outlive it.
class RowAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    RowAccessible(QAbstractScrollArea* widget, IAccessibleRows& rows, int row)
        : m_widget(widget), m_rows(rows), m_row(row)
    {
    }

    bool isValid() const override { return m_widget && m_row < m_rows.RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_widget ? m_widget->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_widget); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        return isValid() ? m_rows.RowText(m_row, kind) : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_rows.RowRect(m_row);
        return {m_widget->viewport()->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selected = m_rows.CurrentRow() == m_row;
        state.focused = state.selected && m_widget->hasFocus();
        state.invisible = !m_widget->viewport()->rect().intersects(m_rows.RowRect(m_row));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        const bool pressable = type == QAccessible::ActionInterface && m_rows.CanPress();
        return pressable ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_rows.Press(m_row);
    }

private:
    QPointer<QAbstractScrollArea> m_widget;
    IAccessibleRows& m_rows;
    int m_row;
};

} // namespace

CRowListAccessible::CRowListAccessible(QAbstractScrollArea* widget, std::unique_ptr<IAccessibleRows> rows)
    : QAccessibleWidget(widget, QAccessible::List), m_rows(std::move(rows))
{
}

CRowListAccessible::~CRowListAccessible()
{
    ForgetRows();
}

int CRowListAccessible::childCount() const
{
    return m_rows->RowCount();
}

QAccessibleInterface* CRowListAccessible::child(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    if (m_items.size() <= static_cast<std::size_t>(row))
        m_items.resize(static_cast<std::size_t>(row) + 1, 0);
    QAccessible::Id& id = m_items[static_cast<std::size_t>(row)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new RowAccessible(static_cast<QAbstractScrollArea*>(widget()), *m_rows, row));
    return QAccessible::accessibleInterface(id);
}

int CRowListAccessible::indexOfChild(const QAccessibleInterface* item) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] != 0 && QAccessible::accessibleInterface(m_items[i]) == item)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* CRowListAccessible::childAt(int x, int y) const
{
    const QPoint local = static_cast<QAbstractScrollArea*>(widget())->viewport()->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < childCount(); ++row)
        if (m_rows->RowRect(row).contains(local))
            return child(row);
    return nullptr;
}

QAccessibleInterface* CRowListAccessible::focusChild() const
{
    return widget()->hasFocus() ? child(m_rows->CurrentRow()) : nullptr;
}

void CRowListAccessible::ForgetRows()
{
    for (QAccessible::Id id : m_items)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    m_items.clear();
}

void CRowListAccessible::NotifyRowsReplaced(QAbstractScrollArea* widget)
{
    if (auto* list = dynamic_cast<CRowListAccessible*>(QAccessible::queryAccessibleInterface(widget)))
        list->ForgetRows();
    QAccessibleEvent event(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void CRowListAccessible::NotifyCurrentRow(QAbstractScrollArea* widget, int row)
{
    if (row < 0)
        return;
    const QAccessible::Event told =
        widget->hasFocus() ? QAccessible::Focus : QAccessible::ActiveDescendantChanged;
    for (QAccessible::Event kind : {QAccessible::Selection, told}) {
        QAccessibleEvent event(widget, kind);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace kalvex
