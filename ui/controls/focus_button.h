#pragma once

#include <QRadioButton>

namespace kalvex {

// A radio button that disables its dialog's Paste button (control 41) when it takes the focus.
class CFocusButton final : public QRadioButton {
    Q_OBJECT
public:
    explicit CFocusButton(const QString& text, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kalvex
