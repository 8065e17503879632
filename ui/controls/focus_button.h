#pragma once

#include <QRadioButton>

namespace kalvex {

// A radio button of a group that is one Tab stop: only the checked button of the group takes
// the focus from the keyboard, and the arrow keys move within the group. It disables its
// dialog's Paste button (control 41) when it takes the focus.
class CFocusButton final : public QRadioButton {
    Q_OBJECT
public:
    explicit CFocusButton(const QString& text, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kalvex
