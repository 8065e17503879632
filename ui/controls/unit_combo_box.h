#pragma once

#include <QComboBox>

namespace kalvex {

// A unit list of the group editor. Enter performs the dialog's "Add Unit" (command 107) and
// goes no further. An editable one gives its edit field the control id 1001, never inserts
// typed text as an entry, and counts as having no selection once its text is typed over.
class CUnitComboBox final : public QComboBox {
    Q_OBJECT
public:
    CUnitComboBox(bool editable, QWidget* parent = nullptr);

    // The selected position, -1 when none is selected or the text was typed over since.
    int SelectedIndex() const;
    // Selects a position; -1 selects nothing and empties the edit field.
    void Select(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_typedOver = false;
};

} // namespace kalvex
