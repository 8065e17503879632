#pragma once

#include <QListWidget>

namespace kalvex {

// The find field's match list. The field keeps the focus while the user types and chooses with
// Up and Down, so the chosen row reaches assistive tools as the list's selection, not as the
// focus, which would take the focused state from the field being typed in.
class CFindUnitList final : public QListWidget {
    Q_OBJECT
public:
    explicit CFindUnitList(QWidget* parent = nullptr);

    // Tells assistive tools that the rows were filled anew.
    void NotifyRowsReplaced();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

} // namespace kalvex
