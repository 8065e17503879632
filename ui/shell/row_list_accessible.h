#pragma once

#include <QAccessibleWidget>
#include <memory>
#include <vector>

class QAbstractScrollArea;

namespace kalvex {

// The rows a scrolling widget shows (the launcher's icons, the find field's matches), as
// assistive tools ask about them.
class IAccessibleRows {
public:
    virtual ~IAccessibleRows() = default;
    virtual int RowCount() const = 0;
    // The row's name or description; empty for other kinds of text.
    virtual QString RowText(int row, QAccessible::Text kind) const = 0;
    // The row's box in the widget's viewport.
    virtual QRect RowRect(int row) const = 0;
    virtual int CurrentRow() const = 0;
    // Rows that can be pressed have the one action "Press".
    virtual bool CanPress() const { return false; }
    virtual void Press(int /*row*/) {}
};

// A scrolling widget as a list with one item per row. Items are told apart by position. The
// current row is the focus only while the widget itself has the focus, so a field that drives
// the list keeps its focused state.
class CRowListAccessible final : public QAccessibleWidget {
public:
    CRowListAccessible(QAbstractScrollArea* widget, std::unique_ptr<IAccessibleRows> rows);
    ~CRowListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int row) const override;
    int indexOfChild(const QAccessibleInterface* item) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Drops the rows' interfaces, which assistive tools may hold, once the rows were filled anew.
    static void NotifyRowsReplaced(QAbstractScrollArea* widget);
    // Tells assistive tools that `row` is the current row: as the list's selection, and as the
    // focus while the widget has it, else as the list's active descendant.
    static void NotifyCurrentRow(QAbstractScrollArea* widget, int row);

private:
    void ForgetRows();

    std::unique_ptr<IAccessibleRows> m_rows;
    mutable std::vector<QAccessible::Id> m_items;
};

// Has every widget of class Widget read as a list of the rows that Rows, built over the widget,
// gives. Call it before a widget of the class is first named or shown, since assistive tools keep
// the interface they were first given; calling it again has no further effect.
template <class Widget, class Rows> void ReadAsRowList()
{
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className != QLatin1String(Widget::staticMetaObject.className()) || !object->isWidgetType())
            return nullptr;
        auto* widget = static_cast<Widget*>(object);
        return new CRowListAccessible(widget, std::make_unique<Rows>(widget));
    });
}

} // namespace kalvex
