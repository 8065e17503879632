#include "ui/shell/launcher_accessible.h"

#include "ui/shell/kalvex_view.h"
#include "ui/shell/row_list_accessible.h"

#include <QPointer>
#include <QTimer>

namespace kalvex {

namespace {

// The launcher's icons, each named after its group and described by the group's prompt;
// pressing one opens its group as Enter does.
class LauncherRows final : public IAccessibleRows {
public:
    explicit LauncherRows(CKalvexView* view) : m_view(view) {}

    int RowCount() const override { return m_view->EntryCount(); }
    QRect RowRect(int row) const override { return m_view->EntryRect(row); }
    int CurrentRow() const override { return m_view->SelectedEntry(); }
    bool CanPress() const override { return true; }

    QString RowText(int row, QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return m_view->EntryName(row).remove(QLatin1Char('&'));
        return kind == QAccessible::Description ? m_view->EntryDescription(row) : QString();
    }

    void Press(int row) override
    {
        // The group opens once the assistive tool has had its answer: the conversion window is
        // modal, and the request would otherwise wait until it closes.
        QTimer::singleShot(0, m_view, [view = QPointer<CKalvexView>(m_view), row] {
            if (view && row < view->EntryCount()) {
                view->SelectEntry(row);
                view->OnCommand(view->EntryGroupId(row));
            }
        });
    }

private:
    CKalvexView* m_view; // the list's interface, which owns this, goes with the view
};

} // namespace

void InstallLauncherAccessibility()
{
    ReadAsRowList<CKalvexView, LauncherRows>();
}

} // namespace kalvex
