#pragma once

#include <QLineEdit>

namespace kalvex {

// A field of the group editor: Enter performs the dialog's "Add Unit" (command 107) and goes
// no further.
class CUnitEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit CUnitEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kalvex
