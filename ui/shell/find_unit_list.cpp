#include "ui/shell/find_unit_list.h"

#include "ui/shell/row_list_accessible.h"

namespace kalvex {
namespace {

class FoundUnitRows final : public IAccessibleRows {
public:
    explicit FoundUnitRows(CFindUnitList* list) : m_list(list) {}

    int RowCount() const override { return m_list->count(); }
    QRect RowRect(int row) const override { return m_list->visualItemRect(m_list->item(row)); }
    int CurrentRow() const override { return m_list->currentRow(); }

    QString RowText(int row, QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_list->item(row)->text() : QString();
    }

private:
    CFindUnitList* m_list; // the list's interface, which owns this, goes with the list
};

} // namespace

CFindUnitList::CFindUnitList(QWidget* parent) : QListWidget(parent)
{
    ReadAsRowList<CFindUnitList, FoundUnitRows>();
}

void CFindUnitList::NotifyRowsReplaced()
{
    CRowListAccessible::NotifyRowsReplaced(this);
}

void CFindUnitList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Past the list view's own handling, which tells the row as the focus even while the field
    // has it.
    QAbstractItemView::currentChanged(current, previous);
    CRowListAccessible::NotifyCurrentRow(this, current.row());
}

} // namespace kalvex
