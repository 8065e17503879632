#include "ui/shell/launcher_accessible.h"

#include "ui/shell/kalvex_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace kalvex {

namespace {

// One icon of the launcher as a list item.
class LauncherItemAccessible final : public QAccessibleInterface {
public:
    LauncherItemAccessible(CKalvexView* view, int entry) : m_view(view), m_entry(entry) {}

    bool isValid() const override { return m_view && m_entry < m_view->EntryCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid() || kind != QAccessible::Name)
            return {};
        return m_view->EntryName(m_entry).remove(QLatin1Char('&'));
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_view->EntryRect(m_entry);
        return {m_view->viewport()->mapToGlobal(local.topLeft()), local.size()};
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
        const bool selected = m_view->SelectedEntry() == m_entry;
        state.selected = selected;
        state.focused = selected && m_view->hasFocus();
        state.invisible = !m_view->viewport()->rect().intersects(m_view->EntryRect(m_entry));
        return state;
    }

private:
    QPointer<CKalvexView> m_view;
    int m_entry;
};

// The launcher view as a list of its icons.
class LauncherAccessible final : public QAccessibleWidget {
public:
    explicit LauncherAccessible(CKalvexView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~LauncherAccessible() override { ForgetItems(); }

    int childCount() const override { return View()->EntryCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (m_items.size() < static_cast<std::size_t>(childCount()))
            m_items.resize(static_cast<std::size_t>(childCount()), 0);
        QAccessible::Id& id = m_items[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new LauncherItemAccessible(const_cast<CKalvexView*>(View()), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* item) const override
    {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] != 0 && QAccessible::accessibleInterface(m_items[i]) == item)
                return static_cast<int>(i);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = View()->viewport()->mapFromGlobal(QPoint(x, y));
        const int entry = View()->EntryAt(local);
        return entry < 0 ? nullptr : child(entry);
    }

    QAccessibleInterface* focusChild() const override
    {
        const int selected = View()->SelectedEntry();
        return View()->hasFocus() && selected >= 0 ? child(selected) : nullptr;
    }

    void ForgetItems()
    {
        for (QAccessible::Id id : m_items)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        m_items.clear();
    }

private:
    const CKalvexView* View() const { return static_cast<const CKalvexView*>(widget()); }

    mutable std::vector<QAccessible::Id> m_items;
};

QAccessibleInterface* CreateLauncherAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(CKalvexView::staticMetaObject.className()) && object->isWidgetType())
        return new LauncherAccessible(static_cast<CKalvexView*>(object));
    return nullptr;
}

} // namespace

void InstallLauncherAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateLauncherAccessible);
        return true;
    }();
    (void)installed;
}

void NotifyLauncherReordered(CKalvexView* view)
{
    if (auto* launcher = dynamic_cast<LauncherAccessible*>(QAccessible::queryAccessibleInterface(view)))
        launcher->ForgetItems();
    QAccessibleEvent event(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void NotifyLauncherSelection(CKalvexView* view, int entry)
{
    for (QAccessible::Event kind : {QAccessible::Selection, QAccessible::Focus}) {
        QAccessibleEvent event(view, kind);
        event.setChild(entry);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace kalvex
